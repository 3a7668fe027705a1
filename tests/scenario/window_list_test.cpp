// The window list and its live preview: which windows are listed, in what
// order, what the compositor is told, and what a person is told when the
// preview cannot be shown.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>


#include "forms/appPicture/appPicture.h"
#include "compositor/DwmApi.h"
#include "platform/sim/event_log.h"
#include "support/sim_app.h"
#include "ui/button.h"
#include "ui/list_box.h"

namespace {

using support::SimApp;

struct WindowList : ::testing::Test {
  WindowList() { sim.app->create_form(frmAppPicture); }
  plat::HWND add(std::string title, plat::DWORD ex = 0, plat::HWND owner = 0, bool visible = true) {
    sim::ForeignWindow w;
    w.title = std::move(title);
    w.class_name = "Plain";
    w.ex_style = ex;
    w.owner = owner;
    w.visible = visible;
    return sim.desktop.add_foreign_window(w);
  }
  std::vector<std::string> boxes() { return sim.desktop.log().of({"MessageBoxA"}); }
  void list() { frmAppPicture->btnListApps->click(); }
  SimApp sim{{.ship_pictures = false}};
};

TEST_F(WindowList, ListsSwitchableWindowsInZOrderAndSelectsTheLowest) {
  // Added bottom first: each new foreign window goes on top.
  plat::HWND owner = add("Owner of a dialog");
  add("Owned dialog", 0, owner);
  add("Desktop-owned", 0, sim.desktop.GetDesktopWindow());
  add("Hidden", 0, 0, false);
  add("");
  add("Tool palette", plat::WS_EX_TOOLWINDOW);
  add("Tool with taskbar button", plat::WS_EX_TOOLWINDOW | plat::WS_EX_APPWINDOW);
  add(std::string(300, 'x'));
  frmAppPicture->show();  // our own list form: a tool window with an empty caption
  list();
  std::vector<std::string> expected = {std::string(255, 'x'), "Tool with taskbar button", "Desktop-owned",
                                       "Owner of a dialog"};
  EXPECT_EQ(frmAppPicture->lbWindows->items(), expected);
  EXPECT_EQ(frmAppPicture->lbWindows->item_index(), 3);
  ASSERT_EQ(appPicture::WindowHandles.size(), 4u);
  EXPECT_EQ(appPicture::parse_handle(appPicture::WindowHandles[3]), owner);

  // The title's limit counts characters, not bytes: in UTF-8 a Cyrillic
  // title keeps 255 of its 300 characters (510 bytes).
  sim.desktop.services().set_utf8_code_page(true);
  std::string cyrillic;
  for (int i = 0; i < 300; ++i) cyrillic += "\xD0\xB4";
  sim.desktop.SetWindowTextA(appPicture::parse_handle(appPicture::WindowHandles[0]), cyrillic.c_str());
  list();
  EXPECT_EQ(frmAppPicture->lbWindows->items()[0], cyrillic.substr(0, 510));
  sim.desktop.services().set_utf8_code_page(false);

  // A rebuild replaces everything.
  sim.desktop.close_foreign_window(owner);
  list();
  EXPECT_EQ(frmAppPicture->lbWindows->count(), 3);
  EXPECT_EQ(appPicture::WindowHandles.size(), 3u);
  EXPECT_EQ(frmAppPicture->lbWindows->item_index(), 2);
}

TEST_F(WindowList, AnEmptyListSelectsNothingAndPreviewAndSwitchThenDoNothing) {
  list();
  EXPECT_EQ(frmAppPicture->lbWindows->item_index(), -1);
  auto before = sim.compositor->calls.size();
  frmAppPicture->btnPreview->click();
  frmAppPicture->btnSwitchToThisApp->click();
  EXPECT_EQ(sim.compositor->calls.size(), before);
  EXPECT_TRUE(sim.desktop.switches().empty());
}

TEST_F(WindowList, AHandleBeyondThirtyOneBitsComesBackUnchanged) {
  sim.desktop.set_next_window_handle(0x8000'1234u);
  plat::HWND high = add("High handle");
  list();
  ASSERT_EQ(appPicture::WindowHandles.size(), 1u);
  EXPECT_EQ(appPicture::parse_handle(appPicture::WindowHandles[0]), high);
  frmAppPicture->btnSwitchToThisApp->click();
  ASSERT_EQ(sim.desktop.switches().size(), 1u);
  EXPECT_EQ(sim.desktop.switches()[0].hwnd, high);
  EXPECT_EQ(sim.desktop.switches()[0].alt_tab, 1);
}

// A window the compositor cloaks (another virtual desktop, a suspended
// app's frame) is visible to the system but not on the screen: it is left
// out, so neither a preview nor a switch can reach it. Where the compositor
// cannot say (Windows 7, no library, a system before version 6) every
// visible window is listed as before.
TEST_F(WindowList, CloakedWindowsAreLeftOutWhereTheCompositorKnowsOfCloaking) {
  struct Row {
    const char* what;
    std::function<void(SimApp&)> arrange;
    std::vector<std::string> listed;
  } rows[] = {
      {"Windows 10", [](SimApp&) {}, {"Shown"}},
      {"Windows 7's compositor refuses the attribute", [](SimApp& s) { s.compositor->knows_cloaking = false; },
       {"On another desktop", "Shown"}},
      {"no compositor library", [](SimApp& s) { s.desktop.modules().remove("DWMAPI.DLL"); },
       {"On another desktop", "Shown"}},
      {"version 5: the library is not touched", [](SimApp& s) { s.desktop.services().set_os_major_version(5); },
       {"On another desktop", "Shown"}},
  };
  const plat::HWND shown = add("Shown");
  const plat::HWND cloaked = add("On another desktop");
  sim.compositor->cloaked = {cloaked};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    DwmApi::CompositorAccess fresh;  // nothing loaded, nothing looked up yet
    sim.desktop.log().clear();
    row.arrange(sim);
    list();
    EXPECT_EQ(frmAppPicture->lbWindows->items(), row.listed);
    ASSERT_EQ(appPicture::WindowHandles.size(), row.listed.size());
    EXPECT_EQ(appPicture::parse_handle(appPicture::WindowHandles.back()), shown) << "the one a release switches to";
    if (std::string(row.what).starts_with("version 5")) {
      EXPECT_TRUE(sim.desktop.log().of({"LoadLibraryA"}).empty());
    }
  }
}

// Windows 7 lets the user switch composition off and on while programs run;
// the frame extension is lost with each change and is made again once
// composition is back.
TEST_F(WindowList, TheFrameIsExtendedAgainEachTimeCompositionComesBack) {
  auto extensions = [&] {
    return std::count_if(sim.compositor->calls.begin(), sim.compositor->calls.end(),
                         [](const std::string& c) { return c == "DwmExtendFrameIntoClientArea frmAppPicture -> 0x00000000"; });
  };
  const auto at_creation = extensions();
  ASSERT_EQ(at_creation, 1);
  sim.compositor->switch_composition(false);
  EXPECT_EQ(extensions(), at_creation) << "nothing to extend while composition is off";
  sim.compositor->switch_composition(true);
  sim.compositor->switch_composition(true);
  EXPECT_EQ(extensions(), at_creation + 2);
  EXPECT_EQ((std::array{sim.compositor->last_margins.cxLeftWidth, sim.compositor->last_margins.cxRightWidth,
                        sim.compositor->last_margins.cyTopHeight, sim.compositor->last_margins.cyBottomHeight}),
            (std::array{-1, -1, -1, -1}));
}

TEST_F(WindowList, ThePreviewTellsTheCompositorTheDesignedRectangleOfTheWholeWindow) {
  add("Notepad");
  list();
  frmAppPicture->btnPreview->click();
  // Read back at the offsets the compositor reads (dwmapi.h packs the
  // record to one byte): flags at 0, destination at 4, opacity at 36,
  // fVisible at 37, fSourceClientAreaOnly at 41.
  const auto& bytes = sim.compositor->last_properties_bytes;
  auto dword_at = [&](std::size_t offset) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
  };
  EXPECT_EQ(dword_at(0), 29u);
  EXPECT_EQ((std::array{dword_at(4), dword_at(8), dword_at(12), dword_at(16)}),
            (std::array<std::uint32_t, 4>{5, 5, 410, 247}));
  EXPECT_EQ(bytes[36], 255);
  EXPECT_EQ(dword_at(37), 1u);
  EXPECT_EQ(dword_at(41), 0u);
  EXPECT_TRUE(appPicture::ThumbnailShown);
  EXPECT_EQ(sim.compositor->live.size(), 1u);
}

TEST_F(WindowList, ThumbnailStatesFollowTheCompositorsAnswers) {
  add("Notepad");
  list();
  auto& c = *sim.compositor;
  auto preview = [&] { frmAppPicture->btnPreview->click(); };
  auto release = [&] { frmAppPicture->btnDisablePreview->click(); };

  preview();  // false -> true
  preview();  // true -> released first, then registered anew
  EXPECT_EQ(c.live.size(), 1u);
  EXPECT_TRUE(appPicture::ThumbnailShown);

  release();
  release();  // the second release does nothing
  EXPECT_FALSE(appPicture::ThumbnailShown);
  EXPECT_EQ(std::count_if(c.calls.begin(), c.calls.end(), [](auto& s) { return s.starts_with("DwmUnregister"); }), 2);

  c.unregister_result = plat::E_FAIL;  // a failed release keeps the flag, so the next one tries again
  preview();
  release();
  EXPECT_TRUE(appPicture::ThumbnailShown);
  c.unregister_result = plat::S_OK;
  release();
  EXPECT_FALSE(appPicture::ThumbnailShown);
  EXPECT_TRUE(c.live.empty());

  c.update_result = plat::S_FALSE;  // placed but not confirmed: unregistered at once, nothing left behind
  preview();
  EXPECT_FALSE(appPicture::ThumbnailShown);
  EXPECT_TRUE(c.live.empty());
  c.update_result = plat::S_OK;

  c.register_result = plat::E_FAIL;
  preview();
  EXPECT_FALSE(appPicture::ThumbnailShown);
  ASSERT_FALSE(boxes().empty());
  EXPECT_EQ(boxes().back(), "MessageBoxA \"Error\" \"No se puede acceder a la ventana.\" MB_OK|MB_ICONSTOP -> IDOK")
      << boxes().back();
  c.register_result = plat::S_OK;

  preview();
  EXPECT_TRUE(appPicture::ThumbnailShown);
  c.composition_enabled = 0;  // a shown thumbnail stays shown when composition goes
  preview();
  EXPECT_TRUE(appPicture::ThumbnailShown);
  EXPECT_EQ(boxes().back(), "MessageBoxA \"Warning\" \"Aero is not enabled\" MB_OK|MB_ICONWARNING -> IDOK")
      << boxes().back();
}

struct ListFormCreation : ::testing::Test {
  SimApp sim{{.ship_pictures = false}};
  void create() {
    sim.app->set_title("Slatebar");
    sim.app->create_form(frmAppPicture);
  }
  std::vector<std::string> boxes() { return sim.desktop.log().of({"MessageBoxA"}); }
};

TEST_F(ListFormCreation, SaysWhenTheCompositorIsMissingOrOffAndIsAnOverlayAllTheSame) {
  struct Row {
    const char* what;
    std::function<void(SimApp&)> arrange;
    const char* box;  // nothing expected when empty
    std::size_t loads;
  } rows[] = {
      {"composition on", [](SimApp&) {}, "", 1},
      {"composition off", [](SimApp& s) { s.compositor->composition_enabled = 0; },
       "MessageBoxA \"Slatebar\" \"Aero Disabled\" MB_OK -> IDOK", 1},
      {"no library file", [](SimApp& s) { s.desktop.files().remove("C:\\Windows\\System32\\dwmapi.dll"); },
       "MessageBoxA \"Slatebar\" \"DWM Api not present\" MB_OK -> IDOK", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    sim.desktop.log().clear();
    row.arrange(sim);
    create();
    auto shown = boxes();
    if (*row.box) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0], row.box);
    } else {
      EXPECT_TRUE(shown.empty());
    }
    // Never by bare name: a dwmapi.dll beside the exe would be found first.
    const auto loads = sim.desktop.log().of({"LoadLibraryA"});
    EXPECT_EQ(loads.size(), row.loads);
    for (const auto& load : loads) EXPECT_TRUE(load.starts_with(R"(LoadLibraryA C:\Windows\system32\dwmapi.dll)")) << load;
    const auto& w = sim.desktop.window(frmAppPicture->handle());
    EXPECT_EQ(w.ex_style & (plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST),
              plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST);
    EXPECT_EQ(w.layered_alpha, 255);
    EXPECT_EQ(w.title, "");
    EXPECT_FALSE(w.visible());
  }
}

}  // namespace
