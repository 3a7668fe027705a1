// Registry, modules, resources and the browser control of the simulated
// desktop: the codes and records the program's error paths depend on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/sim/desktop.h"

namespace {

using namespace plat;
using sim::Desktop;

extern "C" HRESULT PLAT_WINAPI fake_is_enabled(BOOL* on) {
  *on = 1;
  return S_OK;
}
extern "C" HRESULT PLAT_WINAPI fake_extend(HWND, const MARGINS*) { return E_FAIL; }

TEST(SimRegistry, OpenQueryCloseWithWin32Codes) {
  Desktop d;
  d.registry().set_string(RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion",
                          "SystemRoot", "C:\\Windows");
  d.registry().refuse_key(RegistryRoot::HKEY_CURRENT_USER, "Software\\Locked");
  struct Row {
    RegistryRoot root;
    const char* key;
    const char* value;
    LONG open;
    LONG query;
    std::string data;
  };
  const std::vector<Row> rows = {
      {RegistryRoot::HKEY_LOCAL_MACHINE, "SOFTWARE\\microsoft\\Windows NT\\CurrentVersion", "systemroot", 0, 0,
       "C:\\Windows"},
      {RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\", "Missing", 0, 2, ""},
      {RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Microsoft", "SystemRoot", 0, 2, ""},
      {RegistryRoot::HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", 2, 0, ""},
      {RegistryRoot::HKEY_CURRENT_USER, "Software\\Locked", "x", 5, 0, ""},
  };
  for (const Row& r : rows) {
    std::uintptr_t key = 0;
    EXPECT_EQ(d.RegOpenKeyExA(r.root, r.key, &key), r.open) << r.key;
    if (r.open != 0) continue;
    std::string data;
    EXPECT_EQ(d.RegQueryStringA(key, r.value, &data), r.query) << r.key << " " << r.value;
    EXPECT_EQ(data, r.data) << r.key << " " << r.value;
    EXPECT_EQ(d.RegCloseKey(key), 0);
    EXPECT_EQ(d.RegCloseKey(key), static_cast<LONG>(sim::ERROR_INVALID_HANDLE)) << "closed twice";
  }
  EXPECT_EQ(d.registry().open_handles(), 0u);
}

TEST(SimModules, LoadLookupFreeAsWindowsDoes) {
  Desktop d;
  d.add_module("dwmapi.dll", {{"DwmIsCompositionEnabled", sim::entry_point(&fake_is_enabled)},
                              {"DwmExtendFrameIntoClientArea", sim::entry_point(&fake_extend)}});
  for (const char* name : {"DWMAPI.DLL", "dwmapi", "C:\\Windows\\system32\\DwmApi.dll"}) {
    EXPECT_NE(d.LoadLibraryA(name), 0u) << name;
  }
  EXPECT_EQ(d.LoadLibraryA("dwmapi.dl"), 0u);
  EXPECT_EQ(d.GetLastError(), sim::ERROR_MOD_NOT_FOUND);
  const HMODULE m = d.LoadLibraryA("dwmapi.dll");
  EXPECT_EQ(d.modules().references("dwmapi"), 4);

  auto is_enabled = reinterpret_cast<HRESULT(PLAT_WINAPI*)(BOOL*)>(d.GetProcAddress(m, "DwmIsCompositionEnabled"));
  ASSERT_NE(is_enabled, nullptr);
  BOOL on = 0;
  EXPECT_EQ(is_enabled(&on), S_OK);
  EXPECT_EQ(on, 1);
  EXPECT_EQ(d.GetProcAddress(m, "dwmiscompositionenabled"), nullptr) << "export names keep their case";
  EXPECT_EQ(d.GetLastError(), sim::ERROR_PROC_NOT_FOUND);
  d.modules().remove_entry("DWMAPI", "DwmExtendFrameIntoClientArea");
  EXPECT_EQ(d.GetProcAddress(m, "DwmExtendFrameIntoClientArea"), nullptr) << "taken out while loaded";

  for (int i = 0; i < 4; ++i) EXPECT_TRUE(d.FreeLibrary(m));
  EXPECT_EQ(d.modules().references("dwmapi"), 0);
  EXPECT_EQ(d.GetProcAddress(m, "DwmIsCompositionEnabled"), nullptr) << "a freed module has no entries";
  EXPECT_FALSE(d.recorded().FreeLibrary(m));
  d.modules().remove("dwmapi");
  EXPECT_EQ(d.LoadLibraryA("dwmapi.dll"), 0u);
  EXPECT_EQ(d.log().of({"FreeLibrary"}).back(), "FreeLibrary DWMAPI.DLL -> error 126");
}

TEST(SimResources, TheResourceScriptMapsNamesToFilesLeniently) {
  const auto folder = std::filesystem::temp_directory_path() / "sim_resources_test";
  std::filesystem::create_directories(folder / "pictures");
  std::ofstream(folder / "slatebar.rc") << "// comment\n"
                                           "1 ICON \"slatebar.ico\"\n"
                                           "TFRMMENU RCDATA \"designs/menu.design\"\n"
                                           "  Logo   rcdata   \"pictures\\\\logo.bin\"  \r\n"
                                           "BROKEN RCDATA\n";
  std::ofstream(folder / "pictures" / "logo.bin") << "LOGO";
  Desktop d(folder);
  EXPECT_EQ(d.load_resource("logo"), (std::vector<std::uint8_t>{'L', 'O', 'G', 'O'}));
  EXPECT_EQ(d.load_resource("TFRMMENU"), std::nullopt) << "listed but its file is missing";
  EXPECT_EQ(d.load_resource("1"), std::nullopt) << "not RCDATA";
  EXPECT_EQ(d.load_resource("BROKEN"), std::nullopt);
  d.resources().set("TFRMMENU", {'x'});
  EXPECT_EQ(d.load_resource("tfrmmenu"), (std::vector<std::uint8_t>{'x'}));
  d.resources().remove("LOGO");
  EXPECT_EQ(d.load_resource("LOGO"), std::nullopt);
  std::filesystem::remove_all(folder);
}

TEST(SimResources, SplashPictureDecodesThroughOurLoadersAt32Bits) {
  Desktop d;
  DecodedBitmap splash = d.decode_picture_resource("SPLASH");
  ASSERT_FALSE(splash.image.empty());
  EXPECT_EQ(splash.bits_per_pixel, 32);
  d.set_decoded_bits_per_pixel(24);
  EXPECT_EQ(d.decode_picture_resource("SPLASH").bits_per_pixel, 24);
  d.resources().set("SPLASH", {'n', 'o', 'p', 'e'});
  EXPECT_TRUE(d.decode_picture_resource("SPLASH").image.empty());
}

struct Events : BrowserEvents {
  std::shared_ptr<void> answer;
  int downloads = 0;
  void download_complete() override { ++downloads; }
  void new_window2(std::shared_ptr<void>& ppDisp, bool&) override { ppDisp = answer; }
};

TEST(SimBrowser, HistoryEndsFailLikeTheRealControl) {
  Desktop d;
  WindowParams p;
  p.name = "frmFrameWork";
  const HWND frame = d.create_window(p, nullptr);
  Events events;
  auto host = std::move(*d.create_browser(frame, &events));
  ASSERT_EQ(d.browsers().size(), 1u);
  sim::FakeBrowser& b = *d.browsers()[0];

  EXPECT_EQ(host->GoBack(), E_FAIL) << "empty history";
  EXPECT_EQ(host->GoForward(), E_FAIL);
  host->Navigate(u"file:///a");
  host->Navigate(u"http://b/");
  host->Navigate(u"http://c/");
  EXPECT_EQ(host->GoBack(), S_OK);
  EXPECT_EQ(host->GoBack(), S_OK);
  EXPECT_EQ(host->GoBack(), E_FAIL) << "at the first page";
  host->Navigate(u"http://d/");
  EXPECT_EQ(host->GoForward(), E_FAIL) << "a new page drops the forward history";
  EXPECT_EQ(b.history(), (std::vector<std::u16string>{u"file:///a", u"http://d/"}));
  std::u16string url;
  EXPECT_EQ(host->get_LocationURL(url), S_OK);
  EXPECT_EQ(url, u"http://d/");

  b.fail(sim::BrowserCall::Navigate, E_NOTIMPL);
  EXPECT_EQ(host->Navigate(u"http://e/"), E_NOTIMPL);
  EXPECT_EQ(b.history().size(), 2u) << "a failed call changes nothing";

  std::shared_ptr<void> app;
  host->get_Application(app);
  events.answer = app;
  const auto reply = b.fire_new_window2();
  EXPECT_EQ(reply.ppDisp, b.application());
  EXPECT_FALSE(reply.cancel);
  b.fire_download_complete();
  EXPECT_EQ(events.downloads, 1);
  EXPECT_EQ(d.log().of({"GoBack"}), (std::vector<std::string>{"GoBack frmFrameWork -> 0x80004005", "GoBack frmFrameWork",
                                                                "GoBack frmFrameWork", "GoBack frmFrameWork -> 0x80004005"}));
  host.reset();
  EXPECT_TRUE(d.browsers().empty());
}

}  // namespace
