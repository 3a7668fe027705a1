// Run-time binding of the compositor: loaded on first need, each entry
// looked up once found, E_NOTIMPL while anything is missing, and results
// passed through untouched.
#include <gtest/gtest.h>

#include "compositor/DwmApi.h"
#include "support/sim_app.h"

namespace {

using support::SimApp;

std::size_t count(const std::vector<std::string>& log, std::string_view prefix) {
  return static_cast<std::size_t>(std::count_if(log.begin(), log.end(), [&](const std::string& e) { return e.starts_with(prefix); }));
}

struct Compositor : ::testing::Test {
  SimApp sim{{.ship_pictures = false}};
  std::vector<std::string> log() const { return sim.desktop.events(); }
};

TEST_F(Compositor, ASystemBeforeVersionSixIsNeverAskedAndNeverLoadsTheLibrary) {
  sim.desktop.services().set_os_major_version(5);
  EXPECT_FALSE(DwmApi::IsCompositionActive());
  EXPECT_EQ(count(log(), "LoadLibraryA"), 0u);
  EXPECT_TRUE(sim.compositor->calls.empty());
}

TEST_F(Compositor, WithoutTheLibraryEveryCallIsNotImplementedAndLoadingIsRetried) {
  sim.desktop.modules().remove("DWMAPI.DLL");
  plat::BOOL enabled = 7;
  plat::HTHUMBNAIL id = 9;
  {
    DwmApi::CompositorAccess run;
    plat::DWM_THUMBNAIL_PROPERTIES props;
    EXPECT_EQ(DwmApi::DwmIsCompositionEnabled(&enabled), plat::E_NOTIMPL);
    EXPECT_EQ(DwmApi::DwmRegisterThumbnail(1, 2, &id), plat::E_NOTIMPL);
    EXPECT_EQ(DwmApi::DwmUpdateThumbnailProperties(id, &props), plat::E_NOTIMPL);
    EXPECT_EQ(DwmApi::DwmUnregisterThumbnail(id), plat::E_NOTIMPL);
    EXPECT_FALSE(DwmApi::IsCompositionActive());
  }
  EXPECT_EQ(enabled, 7) << "no out-argument is written";
  EXPECT_EQ(id, 9u);
  EXPECT_EQ(count(log(), "LoadLibraryA C:\\Windows\\system32\\dwmapi.dll"), 5u);
  EXPECT_EQ(count(log(), "FreeLibrary"), 0u);
}

TEST_F(Compositor, AMissingEntryIsLookedUpAgainOnEveryCallWhileTheOthersWork) {
  sim.desktop.modules().remove_entry("DWMAPI.DLL", "DwmRegisterThumbnail");
  {
    DwmApi::CompositorAccess run;
    plat::HTHUMBNAIL id = 0;
    EXPECT_EQ(DwmApi::DwmRegisterThumbnail(1, 2, &id), plat::E_NOTIMPL);
    EXPECT_EQ(DwmApi::DwmRegisterThumbnail(1, 2, &id), plat::E_NOTIMPL);
    EXPECT_TRUE(DwmApi::IsCompositionActive());
    EXPECT_TRUE(DwmApi::IsCompositionActive());
    EXPECT_EQ(count(log(), "GetProcAddress DWMAPI.DLL DwmRegisterThumbnail"), 2u);
    EXPECT_EQ(count(log(), "GetProcAddress DWMAPI.DLL DwmIsCompositionEnabled"), 1u);
    EXPECT_EQ(count(log(), "LoadLibraryA"), 1u) << "the library stays loaded";
  }
  EXPECT_EQ(count(log(), "FreeLibrary DWMAPI.DLL"), 1u);
}

// A dwmapi.dll beside the exe must never be the one loaded: every load
// names the system folder, and without one nothing is loaded at all.
TEST_F(Compositor, TheLibraryIsLoadedByItsFullPathInTheSystemFolderOnly) {
  struct Row {
    std::string folder;
    std::vector<std::string> loads;
    bool active;
  } rows[] = {
      {"C:\\Windows\\system32", {"LoadLibraryA C:\\Windows\\system32\\dwmapi.dll -> ok"}, true},
      {"D:\\WINNT\\System32\\", {"LoadLibraryA D:\\WINNT\\System32\\dwmapi.dll -> ok"}, true},
      {"", {}, false},
  };
  for (const Row& row : rows) {
    DwmApi::CompositorAccess run;  // nothing loaded yet
    sim.desktop.log().clear();
    sim.desktop.services().set_system_folder(row.folder);
    EXPECT_EQ(DwmApi::IsCompositionActive(), row.active) << row.folder;
    EXPECT_EQ(sim.desktop.log().of({"LoadLibraryA"}), row.loads) << row.folder;
  }
}

TEST_F(Compositor, CompositionIsActiveOnlyOnExactlySuccessWithTheFlagSet) {
  struct Row {
    plat::HRESULT result;
    plat::BOOL flag;
    bool active;
  } rows[] = {
      {plat::S_OK, 1, true},
      {plat::S_OK, 0, false},
      {plat::S_FALSE, 1, false},
      {plat::E_FAIL, 1, false},
  };
  for (const auto& row : rows) {
    sim.compositor->is_enabled_result = row.result;
    sim.compositor->composition_enabled = row.flag;
    EXPECT_EQ(DwmApi::IsCompositionActive(), row.active) << std::hex << row.result << " " << row.flag;
  }
}

TEST_F(Compositor, FailuresOfTheCompositorPassThroughUnchanged) {
  sim.compositor->register_result = static_cast<plat::HRESULT>(0x80070578);
  plat::HTHUMBNAIL id = 0;
  EXPECT_EQ(DwmApi::DwmRegisterThumbnail(1, 2, &id), static_cast<plat::HRESULT>(0x80070578));
}

}  // namespace
