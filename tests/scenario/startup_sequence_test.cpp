// The start-up sequence run when the icon bar is first shown: each branch
// of fetching the user's picture as a record of file operations, boxes,
// the command started and the wait, then the screens in their order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "support/lock_fixture.h"
#include "support/sim_app.h"
#include "ui/label.h"
#include "ui/picture.h"

namespace {

using lock_test::in_pics;
using lock_test::same_sequence;
using Lines = std::vector<std::string>;

const std::string kPics = R"(C:\Program Files\Slatebar\pics)";
const std::string kUser = kPics + R"(\user.bmp)";
const std::string kTemp = R"(C:\users\user\Temp\)";
// The system folder's rundll32 by its quoted full path (the log escapes
// quotes and backslashes): a bare name would be looked for beside the exe first.
const std::string kPanel =
    R"(WinExec "\"C:\\Windows\\system32\\rundll32.exe\" shell32.dll,Control_RunDLL nusrmgr.cpl" 1)";
const std::string kConfirm =
    R"(MessageBoxA "Confirm" "I need to gatter user profile picture, and it is necessary to open User Account control panel. Would you like me to do so?" MB_YESNO|MB_ICONQUESTION -> )";
const std::string kErrors = R"(MessageBoxA "Error" "There were errors." MB_OK|MB_ICONSTOP -> IDOK)";
const std::vector<std::uint8_t> kPicture = support::tiny_bitmap(48, 48, 0x00C08040);  // 6966 bytes

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Lines pics_there() { return {"GetFileAttributesA " + kPics + " -> folder", "GetFileAttributesA " + kPics + " -> folder"}; }

Lines attempt_copy(const std::string& name, const std::string& source) {
  return {"GetUserNameA -> " + name, "GetFileAttributesA " + source + " -> file", "GetUserNameA -> " + name,
          "CopyFileA " + source + " " + kUser + " FALSE -> ok"};
}

Lines attempt_missing(const std::string& name, const std::string& source) {
  return {"GetUserNameA -> " + name, "GetFileAttributesA " + source + " -> error 2"};
}

// Steps 3 to 8 and the bar's own window, when the picture loads.
Lines screens(const std::string& picture_attributes, const std::string& name, bool read = false) {
  Lines l = {"ShowWindow frmWelcome SW_SHOW", "GetFileAttributesA " + kUser + " -> " + picture_attributes};
  if (read) l.push_back("read_file " + kUser + " -> 6966 bytes");
  return l + Lines{"GetUserNameA -> " + name, "ShowWindow frmFrameWork SW_SHOW", "ShowWindow frmAppSwitcher SW_SHOW",
                   "ShowWindow frmLogon SW_SHOW", "ShowWindow frmMenu SW_SHOW"};
}

const Lines kAllUp = {"frmMenu", "frmLogon", "frmAppSwitcher", "frmWelcome", "frmFrameWork", "Application"};

struct Case {
  const char* name;
  std::function<void(sim::Desktop&)> setup;  // after the forms exist
  Lines record;
  std::string label;
  bool picture;  // the welcome screen shows the 48 x 48 picture
  Lines visible;  // top-level windows shown, front first
};

const std::string kLong254(254, 'n');
const std::string kLong255(255, 'n');

// Cyrillic in the UTF-8 code page: two bytes a character.
std::string cyrillic(std::size_t chars) {
  std::string s;
  for (std::size_t i = 0; i < chars; ++i) s += "\xD0\xB4";
  return s;
}

// The picture is there already: the record is the name read once, in place.
Lines name_read(const std::string& answer) {
  return pics_there() + Lines{"GetFileAttributesA " + kUser + " -> file", "ShowWindow frmWelcome SW_SHOW",
                              "GetFileAttributesA " + kUser + " -> file", "read_file " + kUser + " -> 6966 bytes",
                              "GetUserNameA -> " + answer, "ShowWindow frmFrameWork SW_SHOW",
                              "ShowWindow frmAppSwitcher SW_SHOW", "ShowWindow frmLogon SW_SHOW",
                              "ShowWindow frmMenu SW_SHOW"};
}

TEST(StartupSequence, FetchesThePictureThenRaisesTheScreens) {
  const Case cases[] = {
      {"picture already there: no dialog, no copy, no wait",
       [](sim::Desktop& d) {
         d.files().write_file(in_pics("user.bmp"), kPicture);
         d.files().write_file(kTemp + "user.bmp", support::tiny_bitmap(8, 8));
       },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> file"} + screens("file", "user", true), "user", true,
       kAllUp},
      {"source present: copied, then after the wait copied again",
       [](sim::Desktop& d) { d.files().write_file(kTemp + "user.bmp", kPicture); },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> error 2"} + attempt_copy("user", kTemp + "user.bmp") +
           Lines{"Sleep 500"} + attempt_copy("user", kTemp + "user.bmp") + screens("file", "user", true),
       "user", true, kAllUp},
      {"answer No: the wait still comes, then the error",
       [](sim::Desktop& d) { d.answer_boxes({plat::IDNO}); },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> error 2"} +
           attempt_missing("user", kTemp + "user.bmp") + Lines{kConfirm + "IDNO", "Sleep 500"} +
           attempt_missing("user", kTemp + "user.bmp") + Lines{kErrors} + screens("error 2", "user"),
       "user", false, kAllUp},
      {"answer Yes and the control panel leaves the picture in time",
       [](sim::Desktop& d) {
         d.answer_boxes({plat::IDYES});
         d.services().on_exec([&d](std::string_view, plat::UINT) {
           d.files().write_file(kTemp + "user.bmp", kPicture);
           return 33u;
         });
       },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> error 2"} +
           attempt_missing("user", kTemp + "user.bmp") + Lines{kConfirm + "IDYES", kPanel, "Sleep 500"} +
           attempt_copy("user", kTemp + "user.bmp") + screens("file", "user", true),
       "user", true, kAllUp},
      {"answer Yes and no picture comes",
       [](sim::Desktop& d) { d.answer_boxes({plat::IDYES}); },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> error 2"} +
           attempt_missing("user", kTemp + "user.bmp") + Lines{kConfirm + "IDYES", kPanel, "Sleep 500"} +
           attempt_missing("user", kTemp + "user.bmp") + Lines{kErrors} + screens("error 2", "user"),
       "user", false, kAllUp},
      {"name not readable: looked for as Unknown.bmp",
       [](sim::Desktop& d) {
         d.services().fail_user_name(sim::ERROR_ACCESS_DENIED);
         d.files().write_file(kTemp + "Unknown.bmp", kPicture);
       },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> error 2", "GetUserNameA -> error 5",
                            "GetFileAttributesA " + kTemp + "Unknown.bmp -> file", "GetUserNameA -> error 5",
                            "CopyFileA " + kTemp + "Unknown.bmp " + kUser + " FALSE -> ok", "Sleep 500",
                            "GetUserNameA -> error 5", "GetFileAttributesA " + kTemp + "Unknown.bmp -> file",
                            "GetUserNameA -> error 5", "CopyFileA " + kTemp + "Unknown.bmp " + kUser + " FALSE -> ok",
                            "ShowWindow frmWelcome SW_SHOW", "GetFileAttributesA " + kUser + " -> file",
                            "read_file " + kUser + " -> 6966 bytes", "GetUserNameA -> error 5",
                            "ShowWindow frmFrameWork SW_SHOW", "ShowWindow frmAppSwitcher SW_SHOW",
                            "ShowWindow frmLogon SW_SHOW", "ShowWindow frmMenu SW_SHOW"},
       "Unknown", true, kAllUp},
      {"a name of 255 characters does not fit: Unknown",
       [](sim::Desktop& d) {
         d.services().set_user_name(kLong255);
         d.files().write_file(in_pics("user.bmp"), kPicture);
       },
       name_read(kLong255), "Unknown", true, kAllUp},
      // The limit counts characters: 508 bytes of Cyrillic are 254 of them.
      {"UTF-8: a Cyrillic name of 254 characters is read whole",
       [](sim::Desktop& d) {
         d.services().set_utf8_code_page(true);
         d.services().set_user_name(cyrillic(254));
         d.files().write_file(in_pics("user.bmp"), kPicture);
       },
       name_read(cyrillic(254)), cyrillic(254), true, kAllUp},
      {"UTF-8: a Cyrillic name of 255 characters does not fit: Unknown",
       [](sim::Desktop& d) {
         d.services().set_utf8_code_page(true);
         d.services().set_user_name(cyrillic(255));
         d.files().write_file(in_pics("user.bmp"), kPicture);
       },
       name_read(cyrillic(255)), "Unknown", true, kAllUp},
      {"a name of 254 characters is read whole",
       [](sim::Desktop& d) {
         d.services().set_user_name(kLong254);
         d.files().write_file(kTemp + kLong254 + ".bmp", kPicture);
       },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> error 2"} +
           attempt_copy(kLong254, kTemp + kLong254 + ".bmp") + Lines{"Sleep 500"} +
           attempt_copy(kLong254, kTemp + kLong254 + ".bmp") + screens("file", kLong254, true),
       kLong254, true, kAllUp},
      {"pics missing: made, then the picture fetched",
       [](sim::Desktop& d) {
         d.files().remove(kPics);
         d.files().write_file(kTemp + "user.bmp", kPicture);
       },
       Lines{"GetFileAttributesA " + kPics + " -> error 2", "CreateDirectoryA " + kPics + " -> ok",
             "GetFileAttributesA " + kPics + " -> folder", "GetFileAttributesA " + kUser + " -> error 2"} +
           attempt_copy("user", kTemp + "user.bmp") + Lines{"Sleep 500"} + attempt_copy("user", kTemp + "user.bmp") +
           screens("file", "user", true),
       "user", true, kAllUp},
      {"pics cannot be made: the error, then the screens without a picture",
       [](sim::Desktop& d) {
         d.files().remove(kPics);
         d.files().refuse_directory(kPics);
         d.files().write_file(kTemp + "user.bmp", kPicture);
       },
       Lines{"GetFileAttributesA " + kPics + " -> error 2", "CreateDirectoryA " + kPics + " -> error 5",
             R"(MessageBoxA "Error" "Can't create pics folder" MB_OK|MB_ICONSTOP -> IDOK)",
             "GetFileAttributesA " + kPics + " -> error 2"} +
           screens("error 3", "user"),
       "user", false, kAllUp},
      {"user.bmp without the bitmap signature: the error box, and the rest skipped",
       [](sim::Desktop& d) { d.files().write_file(in_pics("user.bmp"), "GIF89a not a bitmap"); },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> file", "ShowWindow frmWelcome SW_SHOW",
                            "GetFileAttributesA " + kUser + " -> file", "read_file " + kUser + " -> 19 bytes",
                            R"(MessageBoxA "Slatebar" "Bitmap image is not valid." MB_OK|MB_ICONSTOP -> IDOK)",
                            "ShowWindow frmMenu SW_SHOW"},
       "Guest", false, {"frmMenu", "frmWelcome", "Application"}},
      {"screens already up are not shown again",
       [](sim::Desktop& d) {
         d.files().write_file(in_pics("user.bmp"), kPicture);
         frmFrameWork->show();
         frmAppSwitcher->show();
       },
       pics_there() + Lines{"GetFileAttributesA " + kUser + " -> file", "ShowWindow frmWelcome SW_SHOW",
                            "GetFileAttributesA " + kUser + " -> file", "read_file " + kUser + " -> 6966 bytes",
                            "GetUserNameA -> user", "ShowWindow frmLogon SW_SHOW", "ShowWindow frmMenu SW_SHOW"},
       // Not brought forward again: the welcome screen, shown after them, lies in front.
       "user", true, {"frmMenu", "frmLogon", "frmWelcome", "frmAppSwitcher", "frmFrameWork", "Application"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    support::SimApp s;
    s.app->set_title("Slatebar");
    s.create_all_forms();
    c.setup(s.desktop);
    s.desktop.dialogs().clear_records();
    const std::size_t from = s.desktop.events().size();
    frmMenu->show();

    Lines record;
    for (std::size_t i = from; i < s.desktop.events().size(); ++i) {
      const std::string& e = s.desktop.events()[i];
      for (const char* call : {"GetFileAttributesA ", "CreateDirectoryA ", "CopyFileA ", "MessageBoxA ", "WinExec ",
                               "Sleep ", "GetUserNameA ", "read_file ", "ShowWindow "}) {
        if (e.starts_with(call)) record.push_back(e);
      }
    }
    EXPECT_TRUE(same_sequence(c.record, record));
    EXPECT_EQ(frmWelcome->lblUserName->caption(), c.label);
    const plat::Image& pic = frmWelcome->imgProfilePic->image();
    EXPECT_EQ(pic.empty() ? 0 : pic.width, c.picture ? 48 : 0);
    if (c.picture) {
      EXPECT_EQ(frmWelcome->imgProfilePic->width(), 48) << "the control takes the picture's size";
      EXPECT_EQ(s.desktop.files().file_bytes(kUser), kPicture);
    }
    EXPECT_TRUE(same_sequence(c.visible, s.desktop.z_order_names(sim::Windows::Visible)));
    EXPECT_TRUE(s.desktop.window(frmWelcome->handle()).topmost());
  }
}

// The copy found once is used by every later run, even when the account
// picture in the temporary folder has changed since.
TEST(StartupSequence, ALaterRunUsesTheCopyItFound) {
  support::SimApp s;
  s.app->set_title("Slatebar");
  s.desktop.files().write_file(kTemp + "user.bmp", kPicture);
  s.create_all_forms();
  frmMenu->show();
  ASSERT_EQ(s.desktop.files().file_bytes(kUser), kPicture);

  s.desktop.files().write_file(kTemp + "user.bmp", support::tiny_bitmap(20, 20));
  s.restart();
  s.create_all_forms();
  s.desktop.dialogs().clear_records();
  frmMenu->show();
  EXPECT_EQ(s.desktop.files().file_bytes(kUser), kPicture);
  EXPECT_EQ(frmWelcome->imgProfilePic->image().width, 48);
  EXPECT_TRUE(s.desktop.dialogs().boxes().empty());
}

}  // namespace
