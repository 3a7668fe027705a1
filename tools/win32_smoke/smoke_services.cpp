// Base services, registry, text, cursors, COM and GDI+ through the seam.
#include <string>

#include "smoke.h"

namespace smoke {

namespace {

constexpr plat::DWORD kErrorFileNotFound = 2;
constexpr plat::DWORD kErrorPathNotFound = 3;

std::string trailing(const std::string& s) { return s.empty() ? "(empty)" : "\"" + s + "\""; }

void check_files(win32::Win32Platform& os, Report& r) {
  char temp[260] = {};
  const plat::DWORD n = os.GetTempPathA(sizeof temp, temp);
  r.check("GetTempPathA ends in a backslash", n > 0 && temp[n - 1] == '\\', temp);

  char self[260] = {};
  os.GetModuleFileNameA(0, self, sizeof self);
  auto bytes = os.read_file(self);
  r.check("read_file reads the exe itself", bytes && bytes->size() > 1024 && (*bytes)[0] == 'M' && (*bytes)[1] == 'Z',
          self);
  r.check("GetFileAttributesA on the temp folder is a folder",
          (os.GetFileAttributesA(temp) & plat::FILE_ATTRIBUTE_DIRECTORY) != 0);

  const bool missing = !os.read_file("C:\\no such folder\\no such file");
  const plat::DWORD error = os.GetLastError();
  r.check("read_file of a missing file fails with its error",
          missing && (error == kErrorPathNotFound || error == kErrorFileNotFound), std::to_string(error));

  const std::string folder = std::string(temp) + "slatebar-smoke-folder";
  os.CreateDirectoryA(folder.c_str());
  const std::string copy = folder + "\\copy.exe";
  r.check("CopyFileA copies into a new folder", os.CopyFileA(self, copy.c_str(), 0) != 0, copy);
  auto copied = os.read_file(copy.c_str());
  r.check("the copy reads back the same", copied && bytes && *copied == *bytes);
}

void check_texts(win32::Win32Platform& os, Report& r) {
  const std::string not_found = os.system_error_text(kErrorFileNotFound);
  r.check("system_error_text has no trailing stop or CR/LF",
          !not_found.empty() && not_found.back() != '.' && not_found.back() != '\n', trailing(not_found));
  const std::string fail = os.hresult_text(plat::E_FAIL);
  r.check("hresult_text(E_FAIL)", !fail.empty() && fail.back() != '.', trailing(fail));

  const std::string sunday = os.long_day_name(0), monday = os.long_day_name(1);
  r.check("long_day_name counts from Sunday", sunday != monday && !sunday.empty(), sunday + " / " + monday);
  r.check("short_month_name(1) and (12)", !os.short_month_name(1).empty() && !os.short_month_name(12).empty(),
          os.short_month_name(1) + " / " + os.short_month_name(12));
  r.check("out-of-range names are empty", os.long_day_name(7).empty() && os.short_month_name(0).empty());

  const std::u16string wide = os.ansi_to_utf16("Slatebar 1.0");
  r.check("ansi_to_utf16 and back", wide == u"Slatebar 1.0" && os.utf16_to_ansi(wide) == "Slatebar 1.0");

  char user[256] = {};
  plat::DWORD size = sizeof user;
  const bool named = os.GetUserNameA(user, &size) != 0;
  r.check("GetUserNameA", named && user[0] != '\0', user);
  r.check("os_major_version", os.os_major_version() >= 5, std::to_string(os.os_major_version()));
}

void check_registry(win32::Win32Platform& os, Report& r) {
  std::uintptr_t key = 0;
  const plat::LONG open = os.RegOpenKeyExA(plat::RegistryRoot::HKEY_LOCAL_MACHINE,
                                           "Software\\Microsoft\\Windows NT\\CurrentVersion", &key);
  r.check("RegOpenKeyExA HKLM CurrentVersion", open == plat::ERROR_SUCCESS && key != 0);
  std::string product;
  const plat::LONG query = os.RegQueryStringA(key, "ProductName", &product);
  r.check("RegQueryStringA ProductName", query == plat::ERROR_SUCCESS && !product.empty() &&
                                             product.find('\0') == std::string::npos,
          product);
  std::string none;
  r.check("RegQueryStringA of a missing value", os.RegQueryStringA(key, "NoSuchValueHere", &none) ==
                                                    static_cast<plat::LONG>(kErrorFileNotFound));
  r.check("RegCloseKey", os.RegCloseKey(key) == plat::ERROR_SUCCESS);

  std::uintptr_t missing = 1;
  r.check("RegOpenKeyExA of a missing key leaves no key",
          os.RegOpenKeyExA(plat::RegistryRoot::HKEY_CURRENT_USER, "Software\\No Such Key Here", &missing) !=
                  plat::ERROR_SUCCESS &&
              missing == 0);
}

void check_modules_and_screen(win32::Win32Platform& os, Report& r) {
  const plat::HMODULE user32 = os.LoadLibraryA("user32.dll");
  r.check("LoadLibraryA and GetProcAddress", user32 && os.GetProcAddress(user32, "SetLayeredWindowAttributes"));
  r.check("GetProcAddress of a missing entry", user32 && !os.GetProcAddress(user32, "NoSuchEntryPoint"));
  r.check("FreeLibrary", os.FreeLibrary(user32) != 0);
  r.check("LoadLibraryA of a missing module", os.LoadLibraryA("no-such-module.dll") == 0);

  r.check("screen_dpi", os.screen_dpi() >= 96, std::to_string(os.screen_dpi()));
  // GetDpiForWindow answers 0 for an invalid window, on every path to it.
  r.check("GetDpiForWindow of no window", os.GetDpiForWindow(0) == 0);
  r.check("GetSystemMetrics(SM_CXSCREEN)", os.GetSystemMetrics(plat::SM_CXSCREEN) > 0,
          std::to_string(os.GetSystemMetrics(plat::SM_CXSCREEN)));
  plat::RECT work{};
  r.check("SystemParametersInfoA(SPI_GETWORKAREA)",
          os.SystemParametersInfoA(plat::SPI_GETWORKAREA, 0, &work, 0) != 0 && work.right > work.left);
  plat::POINT cursor{};
  r.check("GetCursorPos", os.GetCursorPos(&cursor) != 0);

  const plat::Font tahoma{};
  const plat::SIZE wide = os.measure_text(tahoma, "Slatebar smoke"), narrow = os.measure_text(tahoma, "S");
  r.check("measure_text grows with the text", wide.cx > narrow.cx && narrow.cx > 0 && wide.cy > 0,
          std::to_string(wide.cx) + "x" + std::to_string(wide.cy));
  r.check("measure_text of an empty line has the height", os.measure_text(tahoma, "").cy == wide.cy);
  const plat::SIZE bold = os.measure_text({"Tahoma", -11, true}, "Slatebar smoke");
  r.check("a bold font is a different font", bold.cx >= wide.cx, std::to_string(bold.cx));

  const plat::HCURSOR hand = os.create_toolkit_hand_cursor();
  r.check("create_toolkit_hand_cursor", hand != 0);
  r.check("DestroyCursor of our own cursor", os.DestroyCursor(hand) != 0);
  r.check("LoadCursorA(IDC_HAND)", os.LoadCursorA(0, plat::IDC_HAND) != 0);
}

void check_resources_com(win32::Win32Platform& os, Report& r) {
  r.check("load_resource of a missing name", !os.load_resource("NO_SUCH_RESOURCE"));
  const plat::HRESULT com = os.OleInitialize();
  r.check("OleInitialize", plat::SUCCEEDED(com), std::to_string(com));
  const std::uintptr_t token = os.GdiplusStartup();
  r.check("GdiplusStartup", token != 0);
  os.GdiplusShutdown(token);
  os.OleUninitialize();
  r.check("decode_picture_resource is still a stub", os.decode_picture_resource("SPLASH").bits_per_pixel == 0);
}

}  // namespace

void check_services(win32::Win32Platform& os, Report& report) {
  check_files(os, report);
  check_texts(os, report);
  check_registry(os, report);
  check_modules_and_screen(os, report);
  check_resources_com(os, report);
}

}  // namespace smoke
