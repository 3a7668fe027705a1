// The unit's thumbnail state and the compositor calls behind it.
#include <charconv>

#include "forms/appPicture/appPicture.h"
#include "compositor/DwmApi.h"
#include "platform/owners.h"
#include "platform/platform.h"
#include "ui/dialogs.h"

namespace appPicture {

std::vector<std::string> WindowHandles;
plat::HTHUMBNAIL ThumbnailId = 0;
bool ThumbnailShown = false;

namespace {

constexpr const char* kSystemKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr plat::DWORD kThumbnailFlags = plat::DWM_TNP_RECTDESTINATION | plat::DWM_TNP_OPACITY |
                                        plat::DWM_TNP_VISIBLE | plat::DWM_TNP_SOURCECLIENTAREAONLY;

}  // namespace

bool IsDwmLibraryPresent() {
  auto& os = plat::os();
  std::string root;
  {
    plat::RegistryKey key;
    if (os.RegOpenKeyExA(plat::RegistryRoot::HKEY_LOCAL_MACHINE, kSystemKey, key.put()) == plat::ERROR_SUCCESS &&
        os.RegQueryStringA(key.get(), "SystemRoot", &root) != plat::ERROR_SUCCESS) {
      root.clear();
    }
  }  // closed before the file is looked at
  std::string path = root + "\\System32\\dwmapi.dll";
  plat::DWORD attributes = os.GetFileAttributesA(path.c_str());
  return attributes != plat::INVALID_FILE_ATTRIBUTES && !(attributes & plat::FILE_ATTRIBUTE_DIRECTORY);
}

void ShowThumbnail(plat::HWND source, plat::HWND destination, const plat::RECT& rect) {
  if (!DwmApi::IsCompositionActive()) {
    ui::message_dlg(frmAppPicture->application(), "Aero is not enabled", ui::DialogKind::Warning,
                    ui::DialogButtons::Ok);
    return;
  }
  ReleaseThumbnail();
  plat::HRESULT registered = DwmApi::DwmRegisterThumbnail(destination, source, &ThumbnailId);
  ThumbnailShown = plat::SUCCEEDED(registered);
  if (ThumbnailShown) {
    plat::DWM_THUMBNAIL_PROPERTIES properties;
    properties.dwFlags = kThumbnailFlags;
    properties.rcDestination = rect;
    properties.opacity = 255;
    properties.fVisible = 1;
    properties.fSourceClientAreaOnly = 0;
    ThumbnailShown = DwmApi::DwmUpdateThumbnailProperties(ThumbnailId, &properties) == plat::S_OK;
    // A registration that could not be placed would otherwise stay behind
    // with nothing left to release it.
    if (!ThumbnailShown) DwmApi::DwmUnregisterThumbnail(ThumbnailId);
  } else {
    ui::message_dlg(frmAppPicture->application(), "No se puede acceder a la ventana.", ui::DialogKind::Error,
                    ui::DialogButtons::Ok);
  }
}

void ReleaseThumbnail() {
  if (!ThumbnailShown) return;
  // A failed release keeps the flag, so the next release tries again.
  ThumbnailShown = plat::FAILED(DwmApi::DwmUnregisterThumbnail(ThumbnailId));
}

std::string handle_text(plat::HWND window) { return std::to_string(window); }

plat::HWND parse_handle(const std::string& text) {
  plat::HWND value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace appPicture
