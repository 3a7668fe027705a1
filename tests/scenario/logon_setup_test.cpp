// The lock screen's set-up: window facts, the pictures, and what a missing
// or damaged picture leaves behind (the later components at their
// designed places, one error box), and the clock texts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/settings/settings.h"
#include "support/lock_fixture.h"
#include "support/sim_app.h"
#include "image/decode.h"
#include "ui/label.h"
#include "ui/picture.h"
#include "ui/timer.h"

namespace {

using lock_test::in_pics;
using lock_test::same_sequence;

std::string place(const ui::Control& c) {
  return c.name() + " " + std::to_string(c.left()) + "," + std::to_string(c.top()) + " " + std::to_string(c.width()) +
         "x" + std::to_string(c.height());
}

std::string picture(const ui::Picture& p) {
  std::string s = place(p) + (p.image().empty() ? " empty"
                                                : " " + std::to_string(p.image().width) + "x" +
                                                      std::to_string(p.image().height));
  return p.align() == ui::Align::Client ? s + " filling" : s;
}

std::string label(const ui::Label& l) {
  return l.name() + " " + std::to_string(l.left()) + "," + std::to_string(l.top()) + " " + sim::in_quotes(l.caption());
}

std::vector<std::string> layout(const TfrmLogon& f) {
  return {picture(*f.imgPic), picture(*f.imgO),   picture(*f.imgChat), picture(*f.imgMail),
          place(*f.lblDragArea), label(*f.lblDay), label(*f.lblTime)};
}

// A program on a fresh desktop with the lock screen made, after `damage`
// has been done to its pictures.
struct Program {
  explicit Program(const std::function<void(sim::Desktop&)>& damage) {
    s.app->set_title("Slatebar");
    damage(s.desktop);
    s.app->create_form(frmSetting);
    s.app->create_form(frmLogon);
  }
  support::SimApp s;
};

std::vector<std::uint8_t> shipped(std::string_view name) {
  support::SimApp fresh;
  return *fresh.desktop.files().file_bytes(in_pics(name));
}

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> b, std::size_t keep) {
  b.resize(keep);
  return b;
}

const std::vector<std::string> kDesigned = {
    R"(imgO 88,336 105x105 empty)",
    R"(imgChat 176,336 105x105 empty)",
    R"(imgMail 272,336 105x105 empty)",
};

TEST(LogonSetup, AFailingPictureLeavesTheLaterStepsAtTheirDesign) {
  const auto png = shipped("Chat.png");
  const auto damaged_chat = cut(png, png.size() / 2);
  const std::string chat_message = image::decode_png(damaged_chat).error();
  struct Case {
    const char* name;
    std::function<void(sim::Desktop&)> damage;
    std::vector<std::string> layout;
    std::string box;  // empty: none
  };
  const Case cases[] = {
      {"every picture there", [](sim::Desktop&) {},
       {"imgPic 0,0 1024x768 1024x768", "imgO 88,688 105x105 80x80", "imgChat 176,688 105x105 80x80",
        "imgMail 272,688 105x105 80x80", "lblDragArea 0,512 1024x256", R"(lblDay 88,468 "")",
        R"(lblTime 88,568 "")"},
       ""},
      {"no logon.jpg", [](sim::Desktop& d) { d.files().remove(in_pics("logon.jpg")); },
       {"imgPic 0,0 1024x768 empty", kDesigned[0], kDesigned[1], kDesigned[2],
        "lblDragArea 0,368 914x78", R"(lblDay 88,160 "Wednesday\rJune 01")", R"(lblTime 88,248 "24:59")"},
       R"(Cannot open file "C:\Program Files\Slatebar\pics\logon.jpg". The system cannot find the file specified.)"},
      {"no pics folder at all", [](sim::Desktop& d) { d.files().remove(lock_test::in_exe("pics")); },
       {"imgPic 0,0 1024x768 empty", kDesigned[0], kDesigned[1], kDesigned[2],
        "lblDragArea 0,368 914x78", R"(lblDay 88,160 "Wednesday\rJune 01")", R"(lblTime 88,248 "24:59")"},
       R"(Cannot open file "C:\Program Files\Slatebar\pics\logon.jpg". The system cannot find the path specified.)"},
      {"logon.jpg cut short",
       [](sim::Desktop& d) {
         auto b = *d.files().file_bytes(in_pics("logon.jpg"));
         d.files().write_file(in_pics("logon.jpg"), cut(b, b.size() / 3));
       },
       {"imgPic 0,0 1024x768 empty", kDesigned[0], kDesigned[1], kDesigned[2],
        "lblDragArea 0,368 914x78", R"(lblDay 88,160 "Wednesday\rJune 01")", R"(lblTime 88,248 "24:59")"},
       R"(Cannot open file "C:\Program Files\Slatebar\pics\logon.jpg". Premature end of JPEG file.)"},
      {"logon.jpg is text", [](sim::Desktop& d) { d.files().write_file(in_pics("logon.jpg"), "not a picture"); },
       {"imgPic 0,0 1024x768 empty", kDesigned[0], kDesigned[1], kDesigned[2],
        "lblDragArea 0,368 914x78", R"(lblDay 88,160 "Wednesday\rJune 01")", R"(lblTime 88,248 "24:59")"},
       R"(Cannot open file "C:\Program Files\Slatebar\pics\logon.jpg". Picture format is not recognised.)"},
      {"no O.png", [](sim::Desktop& d) { d.files().remove(in_pics("O.png")); },
       {"imgPic 0,0 1024x768 1024x768", "imgO 88,688 105x105 empty", kDesigned[1], kDesigned[2],
        "lblDragArea 0,512 1024x256", R"(lblDay 88,468 "")", R"(lblTime 88,568 "")"},
       R"(Cannot open file "C:\Program Files\Slatebar\pics\O.png". The system cannot find the file specified.)"},
      {"Chat.png damaged", [&](sim::Desktop& d) { d.files().write_file(in_pics("Chat.png"), damaged_chat); },
       {"imgPic 0,0 1024x768 1024x768", "imgO 88,688 105x105 80x80", "imgChat 176,688 105x105 empty",
        kDesigned[2], "lblDragArea 0,512 1024x256", R"(lblDay 88,468 "")", R"(lblTime 88,568 "")"},
       "Cannot open file \"C:\\Program Files\\Slatebar\\pics\\Chat.png\". " + chat_message + "."},
      {"Mail.png held open by another program", [](sim::Desktop& d) { d.files().lock_file(in_pics("Mail.png")); },
       {"imgPic 0,0 1024x768 1024x768", "imgO 88,688 105x105 80x80", "imgChat 176,688 105x105 80x80",
        "imgMail 272,688 105x105 empty", "lblDragArea 0,512 1024x256", R"(lblDay 88,468 "")",
        R"(lblTime 88,568 "")"},
       R"(Cannot open file "C:\Program Files\Slatebar\pics\Mail.png". The process cannot access the file because it is being used by another process.)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Program p(c.damage);
    EXPECT_TRUE(same_sequence(c.layout, layout(*frmLogon)));
    const auto& boxes = p.s.desktop.dialogs().boxes();
    if (c.box.empty()) {
      EXPECT_TRUE(boxes.empty());
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].text, c.box);
      EXPECT_EQ(boxes[0].caption, "Slatebar");
      EXPECT_EQ(boxes[0].type, plat::MB_OK | plat::MB_ICONSTOP);
    }
    // Made all the same, with its clock running.
    EXPECT_EQ(frmLogon->width(), 1024);
    EXPECT_EQ(frmLogon->height(), 768);
    EXPECT_TRUE(frmLogon->tmrTiempo->enabled());
  }
}

TEST(LogonSetup, IsABlackBorderlessTopmostOpaqueOverlay) {
  Program p([](sim::Desktop& d) { d.set_screen_size(1280, 800); });
  const sim::Window& w = p.s.desktop.window(frmLogon->handle());
  EXPECT_EQ(w.bounds, (plat::RECT{0, 0, 1280, 800}));
  EXPECT_FALSE(w.visible());
  EXPECT_EQ(w.style & plat::WS_CAPTION, 0u);
  EXPECT_EQ(w.style & plat::WS_THICKFRAME, 0u);
  const plat::DWORD ex = plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST;
  EXPECT_EQ(w.ex_style & ex, ex);
  EXPECT_TRUE(w.layered_attributes_set);
  EXPECT_EQ(w.layered_alpha, 255);
  EXPECT_EQ(w.layered_flags, plat::LWA_ALPHA);
  EXPECT_EQ(w.layered_key, 0u);
  EXPECT_EQ(frmLogon->color(), 0u);
  EXPECT_TRUE(frmLogon->double_buffered());
  EXPECT_EQ(frmLogon->form_style(), ui::FormStyle::StayOnTop);
  EXPECT_FALSE(frmLogon->tmrClose->enabled());
  EXPECT_EQ(frmLogon->tmrClose->interval(), 25u);
  EXPECT_EQ(frmLogon->tmrTiempo->interval(), 1000u);
}

// The background at natural size from the corner, cut at the screen; the
// icons over it, only their upper 80 pixels on the screen; the band of
// blanks, which covers them in the form colour only without visual
// styles; the white texts on top.
TEST(LogonSetup, PaintsPicturesAtNaturalSizeAndTheTextsInWhite) {
  const std::vector<std::string> pictures = {
      "fill 0,0,1024,768 0x00000000",
      "image 1024x768 at 0,0 clip 0,0,1024,768",
      "image 80x80 at 88,688 clip 88,688,193,793",
      "image 80x80 at 176,688 clip 176,688,281,793",
      "image 80x80 at 272,688 clip 272,688,377,793",
  };
  const std::vector<std::string> band = {
      R"(text "                    " Tahoma -96 0x00000000 0,512,1024,627)",
      R"(text "                    " Tahoma -96 0x00000000 0,627,1024,742)",
      R"(text "                    " Tahoma -96 0x00000000 0,742,1024,768)",
  };
  const std::vector<std::string> texts = {
      R"(text "Friday" Calibri -48 0x00FFFFFF 88,468,232,525)",
      R"(text "Jun, 5" Calibri -48 0x00FFFFFF 88,525,232,582)",
      R"(text "09:05" Calibri -96 0x00FFFFFF 88,568,328,683)",
  };
  for (bool styles : {true, false}) {
    SCOPED_TRACE(styles ? "visual styles on" : "visual styles off");
    Program p([&](sim::Desktop& d) {
      d.set_visual_styles(styles);
      d.set_local_time({2026, 6, 0, 5, 9, 5, 0, 0});
    });
    frmLogon->show();
    p.s.desktop.advance(1000);
    std::vector<std::string> expected = pictures;
    if (!styles) expected.push_back("fill 0,512,1024,768 0x00000000");
    expected.insert(expected.end(), band.begin(), band.end());
    expected.insert(expected.end(), texts.begin(), texts.end());
    EXPECT_TRUE(same_sequence(expected, sim::describe(p.s.desktop.paint_now(frmLogon->handle()))));
  }
}

TEST(LogonSetup, ClockTextsComeWithTheFirstTick) {
  struct Case {
    const char* name;
    plat::SYSTEMTIME at_creation;
    std::string time;
    std::string day;
  };
  const Case cases[] = {
      {"a morning", {2026, 6, 0, 5, 9, 5, 0, 0}, "09:05", "Friday\rJun, 5"},
      {"midnight, two-digit hour and minute", {2026, 1, 0, 1, 0, 0, 30, 0}, "00:00", "Thursday\rJan, 1"},
      {"read at the tick, not at creation", {2027, 12, 0, 31, 23, 59, 59, 500}, "00:00", "Saturday\rJan, 1"},
      {"an afternoon, day of two digits", {2026, 11, 0, 23, 17, 42, 0, 0}, "17:42", "Monday\rNov, 23"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Program p([&](sim::Desktop& d) { d.set_local_time(c.at_creation); });
    p.s.desktop.advance(999);
    EXPECT_EQ(frmLogon->lblTime->caption(), "");
    EXPECT_EQ(frmLogon->lblDay->caption(), "");
    p.s.desktop.advance(1);
    EXPECT_EQ(frmLogon->lblTime->caption(), c.time);
    EXPECT_EQ(frmLogon->lblDay->caption(), c.day);
  }
}

}  // namespace
