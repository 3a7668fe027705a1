// The program entry: one instance per desktop, the forms in their order
// with the icon bar as the main form, errors in a creation handler shown
// without stopping the others, and an orderly shutdown with exit code 0.
#include <gtest/gtest.h>

#include "app/run.h"
#include "forms/menu/menu.h"
#include "compositor/DwmApi.h"
#include "platform/sim/event_log.h"
#include "support/sim_app.h"

namespace {

using support::SimApp;

std::vector<std::string> first_words(const std::vector<std::string>& entries, std::size_t words = 2) {
  std::vector<std::string> out;
  for (const auto& e : entries) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < words && end != std::string::npos; ++i) end = e.find(' ', end + (i ? 1 : 0));
    out.push_back(e.substr(0, end));
  }
  return out;
}

void expect_sequence(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  EXPECT_EQ(expected, actual) << sim::side_by_side(expected, actual);
}

// The program in a folder of its own, run until a test-set deadline.
struct Entry : ::testing::Test {
  Entry() {
    sim.app.reset();  // the entry makes its own application object
    sim.desktop.services().set_user_name("user");
    sim.desktop.files().write_file("C:\\users\\user\\Temp\\user.bmp", support::tiny_bitmap(4, 4));
  }
  int run_for(plat::DWORD ms) {
    sim.desktop.set_deadline(sim.desktop.now() + ms);
    return app::run();
  }
  SimApp sim;
};

// The instance test runs before the icon bar exists, so a process never
// finds itself: the forms below are only made when it found nothing.
TEST_F(Entry, CreatesTheFormsInRegistryOrderAfterTheInstanceTest) {
  sim.desktop.log().clear();
  EXPECT_EQ(run_for(3000), 0);
  auto seq = first_words(sim.desktop.log().of({"create_window", "OleInitialize", "GdiplusStartup"}));
  std::vector<std::string> expected = {
      "OleInitialize",         "GdiplusStartup",            "create_window Application",
      "create_window frmMenu", "create_window frmClock",    "create_window frmAppSwitcher",
      "create_window frmAppPicture", "create_window frmLogon", "create_window frmFrameWork",
      "create_window frmSetting", "create_window frmWelcome",
  };
  expected.resize(std::min(expected.size(), seq.size()));
  seq.resize(expected.size());
  expect_sequence(expected, seq);
}

TEST_F(Entry, AnotherInstancesIconBarEndsTheStartSilently) {
  for (bool visible : {true, false}) {
    sim.desktop.log().clear();
    sim::ForeignWindow other;
    other.class_name = "SlatebarCLS";
    other.visible = visible;
    plat::HWND h = sim.desktop.add_foreign_window(other);
    EXPECT_EQ(run_for(3000), 0);
    auto made = sim.desktop.log().of({"create_window", "MessageBoxA", "SetForegroundWindow", "PostMessageA"});
    EXPECT_EQ(made, (std::vector<std::string>{"create_window Application"})) << "visible " << visible;
    EXPECT_EQ(sim.desktop.services().com_depth(), 0);
    EXPECT_FALSE(sim.desktop.services().gdiplus_running());
    sim.desktop.close_foreign_window(h);
  }
}

TEST_F(Entry, ClosingTheMainFormEndsTheProgramAndDestroysEveryForm) {
  // The compositor library is loaded while the program runs, as the
  // window switcher's previews load it.
  sim.desktop.at(1000, [] { DwmApi::IsCompositionActive(); });
  sim.desktop.at(2000, [] { frmMenu->close(); });
  EXPECT_EQ(run_for(60'000), 0);
  EXPECT_FALSE(sim.desktop.deadline_reached());
  EXPECT_EQ(sim.desktop.exit_code(), 0);
  // Only the windows of other processes and the desktop remain.
  for (const auto& name : sim.desktop.z_order_names()) EXPECT_EQ(name.rfind("frm", 0), std::string::npos) << name;
  // The sessions end by their owners' order alone: the forms (and with
  // them the browser control) first, then the compositor library, GDI+,
  // and OLE last.
  auto log = sim.desktop.log().entries();
  auto last_of = [&](std::string_view prefix) {
    auto it = std::find_if(log.rbegin(), log.rend(), [&](const std::string& e) { return e.starts_with(prefix); });
    return it == log.rend() ? -1 : static_cast<int>(log.rend() - it);
  };
  const int forms = last_of("DestroyWindow frm");
  const int compositor = last_of("FreeLibrary DWMAPI.DLL");
  const int gdiplus = last_of("GdiplusShutdown");
  const int ole = last_of("OleUninitialize");
  EXPECT_TRUE(forms > 0 && forms < compositor && compositor < gdiplus && gdiplus < ole)
      << "forms " << forms << ", compositor " << compositor << ", GDI+ " << gdiplus << ", OLE " << ole;
  EXPECT_EQ(log.back(), "OleUninitialize");
  EXPECT_EQ(sim.desktop.services().com_depth(), 0);
  EXPECT_FALSE(sim.desktop.services().gdiplus_running());
}

TEST_F(Entry, AnErrorInOneCreationHandlerLeavesTheOtherFormsToBeCreated) {
  sim.desktop.files().remove(sim.exe_folder() + "pics\\logon.jpg");
  sim.desktop.log().clear();
  run_for(3000);
  auto log = sim.desktop.log().entries();
  auto box = std::find_if(log.begin(), log.end(), [](const std::string& e) {
    return e.starts_with("MessageBoxA \"Slatebar\" \"Cannot open file");
  });
  ASSERT_NE(box, log.end());
  EXPECT_NE(box->find("pics\\\\logon.jpg"), std::string::npos) << *box;
  for (const char* later : {"create_window frmFrameWork", "create_window frmSetting", "create_window frmWelcome"}) {
    EXPECT_NE(std::find(box, log.end(), std::string(later)), log.end()) << later;
  }
}

}  // namespace
