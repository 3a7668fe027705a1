// The start-up sequence, run by the icon bar's show event: make sure a
// copy of the user's account picture lies beside the executable, then
// raise the screens so that the lock screen ends up in front.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "platform/system_folder.h"
#include "platform/text_length.h"
#include "ui/dialogs.h"
#include "ui/exe_folder.h"
#include "ui/label.h"
#include "ui/picture.h"

using plat::os;

namespace {

// The account picture is looked for here; its size is the A functions'
// limit plus the terminating zero, and it keeps its last content for the
// whole run (a failing GetTempPathA leaves it as it was).
char temp_path[261] = {};

constexpr std::string_view kUserPicture = "pics\\user.bmp";
// The accounts panel's arguments, handed to the system folder's rundll32.
constexpr std::string_view kAccountsPanelArguments = " shell32.dll,Control_RunDLL nusrmgr.cpl";
// Time for the control panel to leave the picture in the temporary folder.
constexpr plat::DWORD kPanelWaitMs = 500;

bool folder_exists(const std::string& path) {
  plat::DWORD a = os().GetFileAttributesA(path.c_str());
  return a != plat::INVALID_FILE_ATTRIBUTES && (a & plat::FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool file_exists(const std::string& path) {
  plat::DWORD a = os().GetFileAttributesA(path.c_str());
  return a != plat::INVALID_FILE_ATTRIBUTES && (a & plat::FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Asked for at every use rather than kept: each attempt looks under the
// name the platform gives at that moment.
// A name fits when it has at most 254 characters (255 with the zero),
// whatever their bytes in the code page.
std::string user_name() {
  constexpr std::size_t kNameChars = 254;
  char buffer[plat::text_buffer_bytes(kNameChars)];
  plat::DWORD size = sizeof buffer;
  // On success the size counts the terminating zero; anything outside the
  // buffer is not a name the platform could have written.
  if (!os().GetUserNameA(buffer, &size) || size == 0 || size > sizeof buffer) return "Unknown";
  std::string name(buffer, size - 1);
  if (plat::char_count(name) > kNameChars) return "Unknown";
  return name;
}

// The program is named by its full path, quoted: a bare "rundll32" is
// looked for in this program's folder before the system's. Empty when the
// system folder is unknown, and then nothing is started.
std::string accounts_panel_command() {
  const std::string program = plat::system_file("rundll32.exe");
  if (program.empty()) return {};
  return "\"" + program + "\"" + std::string(kAccountsPanelArguments);
}

std::string source_picture() { return std::string(temp_path) + user_name() + ".bmp"; }

// Copies the account picture if it is there; false if it is not.
bool copy_source_picture(const std::string& target) {
  if (!file_exists(source_picture())) return false;
  os().CopyFileA(source_picture().c_str(), target.c_str(), 0);
  return true;
}

void fetch_user_picture(ui::Application& app, const std::string& target) {
  if (!copy_source_picture(target)) {
    if (ui::message_dlg(app,
                        "I need to gatter user profile picture, and it is necessary to open User Account "
                        "control panel. Would you like me to do so?",
                        ui::DialogKind::Confirmation, ui::DialogButtons::YesNo) == ui::DialogResult::Yes) {
      if (const std::string command = accounts_panel_command(); !command.empty()) {
        os().WinExec(command.c_str(), plat::SW_SHOWNORMAL);
      }
    }
  }
  os().Sleep(kPanelWaitMs);
  if (!copy_source_picture(target)) {
    ui::message_dlg(app, "There were errors.", ui::DialogKind::Error, ui::DialogButtons::Ok);
  }
}

void show_if_hidden(ui::Form& form) {
  if (!os().IsWindowVisible(form.handle())) form.show();
}

// Takes the front window out of the always-on-top band and puts it back
// at its top: where it was, in front of the same windows. Under Wine a
// window shown for the first time can land on top of the X stack even
// when it belongs below (measured: the browser frame covered the welcome
// screen), and Wine restacks a window only on a real change of its place
// that leaves it first in the z-order; this pair of changes is one. On
// Windows 8 and later a window leaving the band takes its whole owner
// group out with it, and every form is owned by the application window,
// so the other always-on-top forms go back into the band at once (hidden
// ones, placed at the band's top, stay out of sight).
void renew_front(ui::Application& app, ui::Form& form) {
  plat::HWND w = os().GetWindow(os().GetDesktopWindow(), plat::GW_CHILD);
  while (w && !os().IsWindowVisible(w)) w = os().GetWindow(w, plat::GW_HWNDNEXT);
  if (w != form.handle()) return;
  const auto topmost = [](plat::HWND h) {
    return (static_cast<plat::DWORD>(os().GetWindowLongA(h, plat::GWL_EXSTYLE)) & plat::WS_EX_TOPMOST) != 0;
  };
  // Ours in the band behind it, in z-order.
  std::vector<plat::HWND> in_band;
  const std::vector<ui::Form*> forms = app.forms();
  for (plat::HWND h = os().GetWindow(w, plat::GW_HWNDNEXT); h && topmost(h); h = os().GetWindow(h, plat::GW_HWNDNEXT)) {
    if (std::any_of(forms.begin(), forms.end(), [h](ui::Form* f) { return f->handle() == h; })) in_band.push_back(h);
  }
  constexpr plat::UINT kKeepPlace = plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE;
  os().SetWindowPos(w, plat::HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
  os().SetWindowPos(w, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
  // Put back from the lowest up, each at the band's top, then the front
  // window in front of them again, so that all keep their order.
  bool moved = false;
  for (auto it = in_band.rbegin(); it != in_band.rend(); ++it) {
    if (topmost(*it)) continue;
    os().SetWindowPos(*it, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
    moved = true;
  }
  if (moved) os().SetWindowPos(w, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
}

}  // namespace

void TfrmMenu::FormShow(ui::Component&) {
  ui::Application& app = application();
  const std::string pics = ui::exe_folder() + "pics";
  const std::string user_bmp = ui::exe_folder() + std::string(kUserPicture);

  if (!folder_exists(pics) && !os().CreateDirectoryA(pics.c_str())) {
    ui::message_dlg(app, "Can't create pics folder", ui::DialogKind::Error, ui::DialogButtons::Ok);
  }
  if (folder_exists(pics)) {
    os().GetTempPathA(sizeof temp_path - 1, temp_path);
    // A copy made by an earlier run is used as it is.
    if (!file_exists(user_bmp)) fetch_user_picture(app, user_bmp);
  }

  show_if_hidden(*frmWelcome);
  // A damaged picture raises here and the screens after it stay hidden:
  // the error box tells the user, and the welcome screen keeps its text.
  if (file_exists(user_bmp)) frmWelcome->imgProfilePic->load_bitmap(user_bmp);
  frmWelcome->lblUserName->set_caption(user_name());
  show_if_hidden(*frmFrameWork);
  renew_front(app, *frmWelcome);
  show_if_hidden(*frmAppSwitcher);
  show_if_hidden(*frmLogon);
}
