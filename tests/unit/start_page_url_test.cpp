// The start page URL: built from the executable's folder without any
// escaping, the folder's separators turned into slashes and the page's own
// backslash kept, then widened from the ANSI code page for the control.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/desktop.h"
#include "ui/start_page.h"

namespace {

TEST(StartPageUrl, FromTheExecutablesFolder) {
  struct Row {
    const char* folder;
    const char* url;
  };
  const Row rows[] = {
      {"C:\\Tools\\Shell\\", "file:///C:/Tools/Shell/menu\\index.htm"},
      // A space stays a space: the control is given the address as it is.
      {"C:\\A B\\", "file:///C:/A B/menu\\index.htm"},
      // A network share: the scheme's three slashes and the share's two.
      {"\\\\server\\share\\", "file://///server/share/menu\\index.htm"},
      {"C:\\", "file:///C:/menu\\index.htm"},
      // A path cut at a drive's colon keeps no separator to turn.
      {"C:", "file:///C:menu\\index.htm"},
      // Percent signs and hashes are not escaped either.
      {"D:\\100% #1\\", "file:///D:/100% #1/menu\\index.htm"},
      // An unknown folder leaves the page's name alone.
      {"", "file:///menu\\index.htm"},
  };
  for (const Row& row : rows) EXPECT_EQ(ui::start_page_url_for(row.folder), row.url) << row.folder;
}

// The running exe's folder, widened as the control takes it; letters of
// the ANSI code page outside ASCII come through and convert back unchanged.
TEST(StartPageUrl, OfTheRunningExecutableWidenedFromTheAnsiCodePage) {
  struct Row {
    const char* exe;
    std::u16string url;
  };
  const Row rows[] = {
      {"C:\\Tools\\Shell\\slatebar.exe", u"file:///C:/Tools/Shell/menu\\index.htm"},
      {"C:\\A B\\slatebar.exe", u"file:///C:/A B/menu\\index.htm"},
      {"\\\\server\\share\\slatebar.exe", u"file://///server/share/menu\\index.htm"},
      // "Café Müller" and a euro sign in Windows-1252.
      {"C:\\Caf\xE9 M\xFCller \x80\\slatebar.exe", u"file:///C:/Caf\u00E9 M\u00FCller \u20AC/menu\\index.htm"},
  };
  sim::Desktop desktop;
  desktop.install();
  for (const Row& row : rows) {
    desktop.services().set_exe_path(row.exe);
    const std::u16string url = ui::start_page_url();
    EXPECT_EQ(url, row.url) << row.exe;
    const std::string folder = std::string(row.exe).substr(0, std::string(row.exe).rfind('\\') + 1);
    EXPECT_EQ(plat::os().utf16_to_ansi(url), ui::start_page_url_for(folder)) << row.exe;
  }
}

}  // namespace
