// The window list and live preview: lists the switchable top-level
// windows, draws a live thumbnail of one of them through the compositor
// into itself, and brings a chosen window to the front. The left-edge
// switcher drives it through its four buttons.
#pragma once

#include <string>
#include <vector>

#include "platform/winapi.h"
#include "ui/form.h"

namespace ui {
class Button;
class ListBox;
}  // namespace ui

class TfrmAppPicture : public ui::Form {
 public:
  explicit TfrmAppPicture(ui::Application& app);

  void FormCreate(ui::Component& Sender);
  void FormDestroy(ui::Component& Sender);
  void btnListAppsClick(ui::Component& Sender);
  void btnPreviewClick(ui::Component& Sender);
  void btnSwitchToThisAppClick(ui::Component& Sender);
  void btnDisablePreviewClick(ui::Component& Sender);

  ui::Button* btnListApps = nullptr;
  ui::ListBox* lbWindows = nullptr;
  ui::Button* btnPreview = nullptr;
  ui::Button* btnSwitchToThisApp = nullptr;
  ui::Button* btnDisablePreview = nullptr;

 private:
  // The frame extension lasts only until composition is switched off or on.
  void on_composition_changed() override;
};

extern TfrmAppPicture* frmAppPicture;

namespace appPicture {

// Entry i holds the handle of list entry i as decimal text.
extern std::vector<std::string> WindowHandles;
// The registration of the last successful DwmRegisterThumbnail.
extern plat::HTHUMBNAIL ThumbnailId;
// True while that registration counts as live.
extern bool ThumbnailShown;

// Whether the compositor library file is in the system folder.
bool IsDwmLibraryPresent();
void ShowThumbnail(plat::HWND source, plat::HWND destination, const plat::RECT& rect);
void ReleaseThumbnail();

// The decimal text of a handle's full value, and back; the list keeps
// handles as text beside the titles.
std::string handle_text(plat::HWND window);
plat::HWND parse_handle(const std::string& text);

}  // namespace appPicture
