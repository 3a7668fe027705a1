// Files, folders and the name and path calls of the simulated desktop,
// with Win32's error codes and buffer-size rules.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/sim/desktop.h"

namespace {

using namespace plat;
using sim::Desktop;

TEST(SimFiles, CreateDirectoryMakesOneLevel) {
  Desktop d;
  d.files().make_directories("C:\\locked");
  d.files().refuse_directory("C:\\locked\\pics");
  d.files().make_read_only("C:\\ro");
  d.files().write_file("C:\\file", std::string_view("x"));
  struct Row {
    const char* path;
    DWORD error;  // 0: created
  };
  const std::vector<Row> rows = {
      {"C:\\Program Files\\Slatebar\\pics", 0},
      {"c:\\PROGRAM FILES\\slatebar\\PICS", sim::ERROR_ALREADY_EXISTS},
      {"C:\\Program Files\\Slatebar\\pics\\", sim::ERROR_ALREADY_EXISTS},
      {"C:\\missing\\pics", sim::ERROR_PATH_NOT_FOUND},
      {"C:\\a\\b", sim::ERROR_PATH_NOT_FOUND},
      {"C:\\locked\\pics", sim::ERROR_ACCESS_DENIED},
      {"C:\\ro\\pics", sim::ERROR_ACCESS_DENIED},
      {"C:\\file", sim::ERROR_ALREADY_EXISTS},
      {"C:\\file\\sub", sim::ERROR_PATH_NOT_FOUND},
      {"menu", 0},  // relative to the program's folder
      {"C:/Program Files/Slatebar/menu/../other", 0},
      {"\\\\server\\share\\x", sim::ERROR_PATH_NOT_FOUND},
  };
  for (const Row& r : rows) {
    const BOOL ok = d.CreateDirectoryA(r.path);
    EXPECT_EQ(ok ? 0u : d.GetLastError(), r.error) << r.path;
  }
  EXPECT_TRUE(d.files().is_directory("C:\\Program Files\\Slatebar\\menu"));
  EXPECT_TRUE(d.files().is_directory("C:\\Program Files\\Slatebar\\other"));
  EXPECT_EQ(d.system_error_text(sim::ERROR_PATH_NOT_FOUND), "The system cannot find the path specified");
}

TEST(SimFiles, CopyAndReadReportWin32Codes) {
  Desktop d;
  d.files().write_file("C:\\src.bmp", std::string_view("BM"));
  d.files().write_file("C:\\busy.bmp", std::string_view("BM"));
  d.files().lock_file("C:\\busy.bmp");
  d.files().write_file("C:\\dst\\old.bmp", std::string_view("old"));
  struct Row {
    const char* from;
    const char* to;
    BOOL fail_if_exists;
    DWORD error;
  };
  const std::vector<Row> rows = {
      {"C:\\none.bmp", "C:\\dst\\a.bmp", sim::FALSE, sim::ERROR_FILE_NOT_FOUND},
      {"C:\\nowhere\\x.bmp", "C:\\dst\\a.bmp", sim::FALSE, sim::ERROR_PATH_NOT_FOUND},
      {"C:\\src.bmp", "C:\\nowhere\\a.bmp", sim::FALSE, sim::ERROR_PATH_NOT_FOUND},
      {"C:\\busy.bmp", "C:\\dst\\a.bmp", sim::FALSE, sim::ERROR_SHARING_VIOLATION},
      {"C:\\src.bmp", "C:\\dst\\old.bmp", sim::TRUE, sim::ERROR_FILE_EXISTS},
      {"C:\\src.bmp", "C:\\dst", sim::FALSE, sim::ERROR_ACCESS_DENIED},
      {"C:\\src.bmp", "C:\\dst\\old.bmp", sim::FALSE, 0},
  };
  for (const Row& r : rows) {
    const BOOL ok = d.CopyFileA(r.from, r.to, r.fail_if_exists);
    EXPECT_EQ(ok ? 0u : d.GetLastError(), r.error) << r.from << " -> " << r.to;
  }
  EXPECT_EQ(d.files().file_bytes("C:\\DST\\OLD.BMP"), (sim::Bytes{'B', 'M'}));
  EXPECT_EQ(d.GetFileAttributesA("C:\\busy.bmp"), sim::FILE_ATTRIBUTE_ARCHIVE) << "exists, cannot be opened";
  EXPECT_FALSE(d.read_file("C:\\busy.bmp"));
  EXPECT_EQ(d.GetLastError(), sim::ERROR_SHARING_VIOLATION);
}

// The size counts the terminating zero both ways; too small a buffer
// fails and tells the size needed.
TEST(SimFiles, GetUserNameSizes) {
  const std::string long_name(255, 'n');
  struct Row {
    std::string name;
    DWORD buffer_size;
    BOOL ok;
    DWORD size_after;
    DWORD error;
  };
  const std::vector<Row> rows = {
      {"user", 5, sim::TRUE, 5, 0},
      {"user", 256, sim::TRUE, 5, 0},
      {"user", 4, sim::FALSE, 5, sim::ERROR_INSUFFICIENT_BUFFER},
      {"user", 0, sim::FALSE, 5, sim::ERROR_INSUFFICIENT_BUFFER},
      {long_name, 256, sim::TRUE, 256, 0},
      {long_name, 255, sim::FALSE, 256, sim::ERROR_INSUFFICIENT_BUFFER},
  };
  for (const Row& r : rows) {
    Desktop d;
    d.services().set_user_name(r.name);
    char buffer[300];
    std::memset(buffer, 'x', sizeof buffer);
    DWORD size = r.buffer_size;
    EXPECT_EQ(d.GetUserNameA(buffer, &size), r.ok) << r.name.size() << " in " << r.buffer_size;
    EXPECT_EQ(size, r.size_after) << r.name.size() << " in " << r.buffer_size;
    if (r.ok) {
      EXPECT_EQ(std::string(buffer), r.name);
    } else {
      EXPECT_EQ(d.GetLastError(), r.error);
    }
  }
  Desktop d;
  d.services().fail_user_name(sim::ERROR_NONE_MAPPED);
  char buffer[16];
  DWORD size = sizeof buffer;
  EXPECT_FALSE(d.GetUserNameA(buffer, &size));
  EXPECT_EQ(d.GetLastError(), sim::ERROR_NONE_MAPPED);
}

TEST(SimFiles, PathCallsTellTheSizeTheyNeed) {
  Desktop d;
  char buffer[64];
  EXPECT_EQ(d.GetTempPathA(sizeof buffer, buffer), 19u);
  EXPECT_STREQ(buffer, "C:\\users\\user\\Temp\\");
  EXPECT_EQ(d.GetTempPathA(19, buffer), 20u) << "no room for the zero: the size needed";
  EXPECT_EQ(d.GetModuleFileNameA(0, buffer, sizeof buffer), 38u);
  EXPECT_STREQ(buffer, "C:\\Program Files\\Slatebar\\slatebar.exe");
  EXPECT_EQ(d.GetModuleFileNameA(0, buffer, 10), 10u) << "cut, terminated";
  EXPECT_STREQ(buffer, "C:\\Progra");
  EXPECT_EQ(d.GetLastError(), sim::ERROR_INSUFFICIENT_BUFFER);
}

TEST(SimText, AnsiConversionsFollowWindows1252) {
  Desktop d;
  EXPECT_EQ(d.ansi_to_utf16("\x80 \xE9 \x81"), u"\u20AC \u00E9 \u0081");
  EXPECT_EQ(d.utf16_to_ansi(u"\u20AC\u00E9\u0081\u0100\U0001F600z"), "\x80\xE9\x81??z");
  EXPECT_EQ(d.hresult_text(E_FAIL), "Unspecified error");
  EXPECT_EQ(d.hresult_text(static_cast<HRESULT>(0x80070005u)), "Access is denied");
  EXPECT_EQ(d.hresult_text(static_cast<HRESULT>(0x800C0005u)), "Error 0x800C0005");
}

}  // namespace
