// Files, the registry, modules, cursors, start-up services, resources and
// the browser control as the program calls them. These calls cause no
// notifications, so each entry is written after the call, with its result.
#include <cstring>

#include "platform/sim/desktop.h"
#include "platform/sim/recorder.h"

namespace sim {

// ---- input and screen ---------------------------------------------------------

HCURSOR Recorder::LoadCursorA(HMODULE module, int id) {
  const HCURSOR cursor = desktop_.LoadCursorA(module, id);
  if (cursor && on()) add("LoadCursorA " + desktop_.services().cursor_name(cursor));
  return cursor;
}

BOOL Recorder::DestroyCursor(HCURSOR cursor) {
  // Named before it goes: the toolkit's own cursor is forgotten with it.
  const std::string n = on() ? desktop_.services().cursor_name(cursor) : std::string();
  const BOOL result = desktop_.DestroyCursor(cursor);
  if (result && on()) add("DestroyCursor " + n);
  return result;
}

HCURSOR Recorder::create_toolkit_hand_cursor() {
  if (on()) add("create_toolkit_hand_cursor");
  return desktop_.create_toolkit_hand_cursor();
}

// ---- files and names --------------------------------------------------------------

DWORD Recorder::GetFileAttributesA(const char* path) {
  const DWORD attributes = desktop_.GetFileAttributesA(path);
  if (on()) {
    add(std::string("GetFileAttributesA ") + (path ? path : "") + " -> " +
        (attributes == plat::INVALID_FILE_ATTRIBUTES ? outcome(false)
         : (attributes & plat::FILE_ATTRIBUTE_DIRECTORY) ? "folder"
                                                          : "file"));
  }
  return attributes;
}

BOOL Recorder::CreateDirectoryA(const char* path) {
  const BOOL result = desktop_.CreateDirectoryA(path);
  if (on()) add(std::string("CreateDirectoryA ") + (path ? path : "") + " -> " + outcome(result));
  return result;
}

BOOL Recorder::CopyFileA(const char* from, const char* to, BOOL fail_if_exists) {
  const BOOL result = desktop_.CopyFileA(from, to, fail_if_exists);
  if (on()) {
    add(std::string("CopyFileA ") + (from ? from : "") + " " + (to ? to : "") + " " + bool_name(fail_if_exists) +
        " -> " + outcome(result));
  }
  return result;
}

std::optional<std::vector<std::uint8_t>> Recorder::read_file(const char* path) {
  auto bytes = desktop_.read_file(path);
  if (on()) {
    add(std::string("read_file ") + (path ? path : "") + " -> " +
        (bytes ? std::to_string(bytes->size()) + " bytes" : outcome(false)));
  }
  return bytes;
}

BOOL Recorder::GetUserNameA(char* buffer, DWORD* size) {
  const BOOL result = desktop_.GetUserNameA(buffer, size);
  // Without a size to answer in, the call is refused before it asks anyone.
  if (size && on()) add("GetUserNameA -> " + (result ? std::string(buffer) : outcome(false)));
  return result;
}

UINT Recorder::WinExec(const char* command_line, UINT show) {
  if (on()) add("WinExec " + in_quotes(command_line ? command_line : "") + " " + std::to_string(show));
  return desktop_.WinExec(command_line, show);
}

// ---- modules ------------------------------------------------------------------------

HMODULE Recorder::LoadLibraryA(const char* name) {
  const HMODULE module = desktop_.LoadLibraryA(name);
  if (on()) add(std::string("LoadLibraryA ") + (name ? name : "") + " -> " + outcome(module != 0));
  return module;
}

plat::FARPROC Recorder::GetProcAddress(HMODULE module, const char* name) {
  const plat::FARPROC proc = desktop_.GetProcAddress(module, name);
  if (on()) {
    add("GetProcAddress " + desktop_.modules().name_of(module) + " " + (name ? name : "") + " -> " +
        outcome(proc != nullptr));
  }
  return proc;
}

BOOL Recorder::FreeLibrary(HMODULE module) {
  const BOOL result = desktop_.FreeLibrary(module);
  if (on()) add("FreeLibrary " + desktop_.modules().name_of(module) + (result ? "" : " -> " + outcome(false)));
  return result;
}

// ---- registry --------------------------------------------------------------------------

LONG Recorder::RegOpenKeyExA(plat::RegistryRoot root, const char* subkey, std::uintptr_t* key) {
  const LONG result = desktop_.RegOpenKeyExA(root, subkey, key);
  if (on()) add("RegOpenKeyExA " + Registry::describe(root, subkey ? subkey : "") + " -> " + std::to_string(result));
  return result;
}

LONG Recorder::RegQueryStringA(std::uintptr_t key, const char* value, std::string* out) {
  const LONG result = desktop_.RegQueryStringA(key, value, out);
  if (on()) {
    add("RegQueryStringA " + desktop_.registry().describe(key) + " " + in_quotes(value ? value : "") + " -> " +
        std::to_string(result));
  }
  return result;
}

LONG Recorder::RegCloseKey(std::uintptr_t key) {
  if (on()) add("RegCloseKey " + desktop_.registry().describe(key));
  return desktop_.RegCloseKey(key);
}

// ---- resources, COM, GDI+, browser ----------------------------------------------------

std::optional<std::vector<std::uint8_t>> Recorder::load_resource(std::string_view name) {
  auto bytes = desktop_.load_resource(name);
  if (on()) {
    add("load_resource " + std::string(name) + " -> " +
        (bytes ? std::to_string(bytes->size()) + " bytes" : std::string("missing")));
  }
  return bytes;
}

HRESULT Recorder::OleInitialize() {
  if (on()) add("OleInitialize");
  return desktop_.OleInitialize();
}

void Recorder::OleUninitialize() {
  if (on()) add("OleUninitialize");
  desktop_.OleUninitialize();
}

std::uintptr_t Recorder::GdiplusStartup() {
  if (on()) add("GdiplusStartup");
  return desktop_.GdiplusStartup();
}

void Recorder::GdiplusShutdown(std::uintptr_t token) {
  if (on()) add(desktop_.services().gdiplus_token_live(token) ? "GdiplusShutdown" : "GdiplusShutdown (unknown token)");
  desktop_.GdiplusShutdown(token);
}

plat::DecodedBitmap Recorder::decode_picture_resource(std::string_view name) {
  plat::DecodedBitmap decoded = desktop_.decode_picture_resource(name);
  if (on()) {
    add("decode_picture_resource " + std::string(name) + " -> " +
        (!decoded.image.empty() ? std::to_string(decoded.image.width) + "x" + std::to_string(decoded.image.height)
                                 : std::string("failed")));
  }
  return decoded;
}

std::expected<std::unique_ptr<plat::BrowserHost>, HRESULT> Recorder::create_browser(HWND parent,
                                                                                    plat::BrowserEvents* events) {
  auto browser = desktop_.create_browser(parent, events);
  if (on()) {
    add("create_browser " + name(parent) +
        (browser ? std::string() : " -> " + hex32(static_cast<std::uint32_t>(browser.error()))));
  }
  return browser;
}

}  // namespace sim
