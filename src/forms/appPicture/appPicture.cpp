#include "forms/appPicture/appPicture.h"

#include "ui/overlay.h"
#include "compositor/DwmApi.h"
#include "platform/owners.h"
#include "platform/platform.h"
#include "platform/system_folder.h"
#include "platform/text_length.h"
#include "ui/button.h"
#include "ui/colours.h"
#include "ui/dialogs.h"
#include "ui/list_box.h"

TfrmAppPicture* frmAppPicture = nullptr;

namespace {

// The compositor library is bound once more, for creation only, apart
// from the DwmApi module: these two entries are never used afterwards.
using IsCompositionEnabledFn = plat::HRESULT(PLAT_WINAPI*)(plat::BOOL*);
using ExtendFrameFn = plat::HRESULT(PLAT_WINAPI*)(plat::HWND, const plat::MARGINS*);

// What the list takes of a window's title.
constexpr std::size_t kTitleChars = 255;

template <class Fn>
Fn lookup(const plat::Module& library, const char* name) {
  if (!library) return nullptr;
  return reinterpret_cast<Fn>(plat::os().GetProcAddress(library.get(), name));
}

}  // namespace

TfrmAppPicture::TfrmAppPicture(ui::Application& app) : ui::Form(app) {
  // The unit's state starts as a fresh process has it, for the form made
  // once per run.
  appPicture::ThumbnailId = 0;
  appPicture::ThumbnailShown = false;
  appPicture::WindowHandles.clear();
  handler("FormCreate", &TfrmAppPicture::FormCreate);
  handler("FormDestroy", &TfrmAppPicture::FormDestroy);
  handler("btnListAppsClick", &TfrmAppPicture::btnListAppsClick);
  handler("btnPreviewClick", &TfrmAppPicture::btnPreviewClick);
  handler("btnSwitchToThisAppClick", &TfrmAppPicture::btnSwitchToThisAppClick);
  handler("btnDisablePreviewClick", &TfrmAppPicture::btnDisablePreviewClick);
  load_design("TFRMAPPPICTURE");
  btnListApps = &component<ui::Button>("btnListApps");
  lbWindows = &component<ui::ListBox>("lbWindows");
  btnPreview = &component<ui::Button>("btnPreview");
  btnSwitchToThisApp = &component<ui::Button>("btnSwitchToThisApp");
  btnDisablePreview = &component<ui::Button>("btnDisablePreview");
}

void TfrmAppPicture::FormCreate(ui::Component&) {
  auto& os = plat::os();
  appPicture::ThumbnailShown = false;
  appPicture::WindowHandles.clear();

  set_color(ui::colours::kBlack);
  set_cursor(ui::crHandPoint);
  set_border_style(ui::BorderStyle::Single);
  set_border_icons(false);
  set_position(ui::FormPosition::ScreenCenter);
  set_caption("");
  set_double_buffered(true);

  if (appPicture::IsDwmLibraryPresent()) {
    // Freed when this block ends, once the box below has been answered.
    const std::string path = plat::system_file("dwmapi.dll");
    const plat::Module library(path.empty() ? 0 : os.LoadLibraryA(path.c_str()));
    plat::BOOL enabled = 0;
    if (auto is_enabled = lookup<IsCompositionEnabledFn>(library, "DwmIsCompositionEnabled")) {
      is_enabled(&enabled);
    }
    if (enabled) {
      set_color(ui::colours::kBlack);
      if (auto extend = lookup<ExtendFrameFn>(library, "DwmExtendFrameIntoClientArea")) {
        plat::MARGINS whole_window{-1, -1, -1, -1};
        extend(handle(), &whole_window);
      }
    } else {
      ui::show_message(application(), "Aero Disabled");
    }
  } else {
    ui::show_message(application(), "DWM Api not present");
  }

  ui::overlay::make_overlay(*this, 255, plat::HWND_TOPMOST);
}

// DwmExtendFrameIntoClientArea must be called again after every change of
// composition; while composition is off there is no frame to extend, and a
// preview asked for then meets "Aero is not enabled", since the compositor
// access reads the state at each use.
void TfrmAppPicture::on_composition_changed() {
  if (!DwmApi::IsCompositionActive()) return;
  const plat::MARGINS whole_window{-1, -1, -1, -1};
  DwmApi::DwmExtendFrameIntoClientArea(handle(), &whole_window);
}

void TfrmAppPicture::FormDestroy(ui::Component&) {
  appPicture::WindowHandles.clear();
  appPicture::ReleaseThumbnail();
}

void TfrmAppPicture::btnListAppsClick(ui::Component&) {
  auto& os = plat::os();
  lbWindows->begin_update();
  lbWindows->clear();
  appPicture::WindowHandles.clear();
  plat::HWND desktop = os.GetDesktopWindow();
  // Owners come back as 32-bit values; window handles are significant in
  // their low 32 bits on every Windows, so the comparison is exact.
  auto owner_is = [](plat::LONG owner, plat::HWND w) { return static_cast<std::uint32_t>(owner) == static_cast<std::uint32_t>(w); };
  for (plat::HWND w = os.GetWindow(desktop, plat::GW_CHILD); w; w = os.GetWindow(w, plat::GW_HWNDNEXT)) {
    // 255 characters, however many bytes they take in the code page.
    char title[plat::text_buffer_bytes(kTitleChars)] = {};
    int length = os.GetWindowTextA(w, title, sizeof title);
    plat::LONG owner = os.GetWindowLongA(w, plat::GWL_HWNDPARENT);
    auto ex = static_cast<plat::DWORD>(os.GetWindowLongA(w, plat::GWL_EXSTYLE));
    if (!os.IsWindowVisible(w)) continue;
    if (length <= 0 || title[0] == '\0') continue;
    if (owner != 0 && !owner_is(owner, desktop)) continue;
    if ((ex & plat::WS_EX_TOOLWINDOW) && !(ex & plat::WS_EX_APPWINDOW)) continue;
    // Visible to the system but kept off the screen by the compositor: a
    // thumbnail of it would be empty and a switch to it would do nothing.
    if (DwmApi::IsWindowCloaked(w)) continue;
    lbWindows->add_item(plat::first_chars(std::string_view(title, static_cast<std::size_t>(length)), kTitleChars));
    appPicture::WindowHandles.push_back(appPicture::handle_text(w));
  }
  lbWindows->end_update();
  lbWindows->set_item_index(lbWindows->count() - 1);
}

void TfrmAppPicture::btnPreviewClick(ui::Component&) {
  int index = lbWindows->item_index();
  if (index < 0) return;
  plat::HWND source = appPicture::parse_handle(appPicture::WindowHandles.at(index));
  plat::RECT rect{5, 5, width() - 5, height() - 35};
  appPicture::ShowThumbnail(source, handle(), rect);
}

void TfrmAppPicture::btnSwitchToThisAppClick(ui::Component&) {
  int index = lbWindows->item_index();
  if (index < 0) return;
  plat::os().SwitchToThisWindow(appPicture::parse_handle(appPicture::WindowHandles.at(index)), 1);
}

void TfrmAppPicture::btnDisablePreviewClick(ui::Component&) { appPicture::ReleaseThumbnail(); }
