// The harness against windows of known make (the helper exe): if these
// pass, a failure in a program test is the program's, not the harness's.
// They also pin down what Wine 8 does with windows here, which the tests
// of the program rely on.
#include <X11/keysym.h>
#include <signal.h>

#include <fstream>

#include "driver/message_boxes.h"
#include "driver/paths.h"
#include "driver/screen_wait.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;

class Harness : public E2eTest {};

TEST_F(Harness, WindowsAndXSideAgreeOnAForeignWindow) {
  const WindowSpec spec = WindowSpec::of("SlatebarCLS", "Foreign bar").at({50, 60, 300, 200});
  auto window = s().open_window(spec);
  ASSERT_TRUE(window) << window.error();

  auto list = s().windows();
  ASSERT_TRUE(list) << list.error();
  const auto mine = list->by_hwnd(window->hwnd());
  ASSERT_TRUE(mine);
  EXPECT_EQ(mine->class_name, "SlatebarCLS");
  EXPECT_EQ(mine->title, "Foreign bar");
  EXPECT_EQ(mine->rect, spec.rect);
  EXPECT_TRUE(mine->visible);
  EXPECT_EQ(mine->xid, window->xid());
  EXPECT_EQ(list->foreground, window->hwnd());

  // On the X side: the title, not the class; the exe's name as WM_CLASS;
  // the Unix id of the process the harness started.
  const auto x = s().x_window(window->xid());
  ASSERT_TRUE(x);
  EXPECT_EQ(x->title, "Foreign bar");
  EXPECT_EQ(x->class_name, "slatebar_helper.exe");
  EXPECT_EQ(x->rect, spec.rect);
  EXPECT_TRUE(x->mapped);
  EXPECT_EQ(x->pid, window->process().pid());
  EXPECT_EQ(find_x_window(s().x_windows(), "Foreign bar")->id, x->id);
}

// How Wine shows windows that are not plainly visible; each row is a
// window a program of ours makes somewhere.
TEST_F(Harness, WineMapsWindowsAsTheirStateSays) {
  struct Row {
    const char* what;
    WindowSpec spec;
    bool windows_visible;
    bool x_mapped;
    int x_alpha;
  };
  const Row rows[] = {
      {"plain", WindowSpec::of("Plain", "Plain").at({10, 10, 100, 80}), true, true, 255},
      {"hidden", WindowSpec::of("Hidden", "Hidden").unshown(), false, false, 255},
      {"layered 128", WindowSpec::of("Lay", "Layered").at({200, 10, 100, 80}).frameless().layered(128), true, true,
       128},
      {"layered, never given attributes",
       WindowSpec::of("LayNone", "Layered none").at({400, 10, 100, 80}).frameless().layered(-1), true, false, 255},
      {"zero size", WindowSpec::of("Zero", "Zero").at({600, 10, 0, 0}).frameless(), true, true, 255},
      {"owned tool window", WindowSpec::of("Tool", "Tool").at({10, 300, 120, 80}).owned_window().tool(), true, true,
       255},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    auto window = s().open_window(row.spec);
    ASSERT_TRUE(window) << window.error();
    auto list = s().windows();
    ASSERT_TRUE(list) << list.error();
    const auto w = list->by_hwnd(window->hwnd());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->visible, row.windows_visible);
    const auto x = s().x_window(window->xid());
    ASSERT_TRUE(x) << "every top-level window has an X window";
    EXPECT_EQ(x->mapped, row.x_mapped);
    EXPECT_EQ(x->alpha(), row.x_alpha);
    if (row.spec.owned) {
      EXPECT_NE(w->owner, 0u);
      EXPECT_NE(x->transient_for, 0u) << "an owned window is transient for its owner";
    }
  }
}

TEST_F(Harness, ScreenPixelsShowTheWindowWhereItIs) {
  const Rect rect{300, 200, 160, 120};
  const Rgb orange{0xF0, 0x80, 0x10};
  auto window = s().open_window(WindowSpec::of("Colour", "Colour").at(rect).filled(orange).frameless());
  ASSERT_TRUE(window) << window.error();
  // Painting follows the map; the fill is there once WM_PAINT has run.
  auto painted = wait_for_screen(s().x(), 10s, [&](const Screenshot& shot) {
    return shot.all(rect, near_to(orange, 8));
  });
  ASSERT_TRUE(painted) << s().record("colour-window").string();
  EXPECT_FALSE(painted->all({rect.x - 4, rect.y, 4, rect.height}, near_to(orange, 8)));
  EXPECT_FALSE(painted->all({rect.x, rect.bottom(), rect.width, 4}, near_to(orange, 8)));
  EXPECT_EQ(painted->mean(rect), orange);

  // A PNG of it, as a failure record or the tour writes them.
  const auto png = s().work_dir() / "colour.png";
  ASSERT_TRUE(painted->write_png(png));
  std::ifstream in(png, std::ios::binary);
  unsigned char header[24] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(header + 1), 3), "PNG");
  EXPECT_EQ((header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19]), s().screen().width);
  EXPECT_EQ((header[20] << 24 | header[21] << 16 | header[22] << 8 | header[23]), s().screen().height);
}

TEST_F(Harness, PointerButtonsAndKeysReachTheWindowUnderThePointer) {
  auto window = s().open_window(WindowSpec::of("Input", "Input").at({100, 100, 400, 300}).frameless());
  ASSERT_TRUE(window) << window.error();
  const Input& input = s().input();

  input.click_at({150, 170});
  auto down = window->wait_event("lbuttondown", 5s);
  ASSERT_TRUE(down);
  EXPECT_EQ(down->values, (std::vector<int>{150, 170}));
  ASSERT_TRUE(window->wait_event("lbuttonup", 5s));

  // A button held across other actions: the release comes where the
  // pointer is by then, as in a drag.
  input.move_to({200, 200});
  {
    ButtonHold hold(input, Button::Left);
    ASSERT_TRUE(window->wait_event("lbuttondown", 5s, 1));
    input.move_to({320, 260});
    input.tap(XK_Shift_L);
    EXPECT_EQ(window->count("lbuttonup"), 1u) << "the button is still down";
  }
  auto up = window->wait_event("lbuttonup", 5s, 1);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->values, (std::vector<int>{320, 260}));

  input.click_at({300, 300}, Button::Right);
  ASSERT_TRUE(window->wait_event("rbuttonup", 5s));

  input.type("aZ");
  auto a = window->wait_event("char", 5s);
  auto z = window->wait_event("char", 5s, 1);
  ASSERT_TRUE(a && z);
  EXPECT_EQ(a->values.front(), 'a');
  EXPECT_EQ(z->values.front(), 'Z') << "Shift is added for a shifted keysym";
  EXPECT_EQ(input.pointer(), (Point{300, 300}));
}

TEST_F(Harness, TheLastWindowShownIsForegroundAndOnTop) {
  auto first = s().open_window(WindowSpec::of("First", "First").at({100, 100, 200, 150}));
  ASSERT_TRUE(first) << first.error();
  auto second = s().open_window(WindowSpec::of("Second", "Second").at({150, 150, 200, 150}));
  ASSERT_TRUE(second) << second.error();
  auto list = s().windows();
  ASSERT_TRUE(list) << list.error();
  EXPECT_EQ(list->foreground, second->hwnd());
  EXPECT_LT(list->z_index(second->hwnd()), list->z_index(first->hwnd()));
  // The same order on the X side.
  const auto xs = s().x_windows();
  auto x_index = [&](std::uint64_t xid) {
    for (std::size_t i = 0; i < xs.size(); ++i) {
      if (xs[i].id == xid) return i;
    }
    return xs.size();
  };
  EXPECT_LT(x_index(second->xid()), x_index(first->xid()));
}

// Each row: a box of the helper's, read, then answered as a person would.
TEST_F(Harness, MessageBoxesAreReadAndAnswered) {
  struct Row {
    const char* caption;
    const char* text;
    const char* kind;
    Answer answer;
    int exit_code;  // MessageBox's result: IDOK 1, IDYES 6, IDNO 7
    std::vector<std::string> buttons;
  };
  const Row rows[] = {
      {"Slatebar", "Aero Disabled", "ok", Answer::Ok, 1, {"OK"}},
      {"Confirm", "Use this picture?\nSecond line", "yesno", Answer::No, 7, {"Yes", "No"}},
      {"Confirm", "Once more?", "yesno", Answer::Yes, 6, {"Yes", "No"}},
      {"Error", "There were errors.", "ok", Answer::Ok, 1, {"OK"}},
      {"Confirm", "Clicked?", "yesno", Answer::No, 7, {"Yes", "No"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    auto process = s().launch(paths::helper_exe(), {"msgbox", row.caption, row.text, row.kind});
    ASSERT_TRUE(process) << process.error();
    auto box = wait_for_box(s(), row.caption);
    ASSERT_TRUE(box) << box.error();
    EXPECT_EQ(box->text(), row.text);
    EXPECT_EQ(box->buttons(), row.buttons);
    EXPECT_EQ(box->has_icon(), std::string_view(row.kind) == "yesno");
    // Wine titles the box's one X window with the caption.
    EXPECT_TRUE(find_x_window(s().x_windows(), row.caption));
    ASSERT_TRUE(answer_box(s(), *box, row.answer));
    auto status = process->get().wait_exit(10s);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, (ExitStatus{ExitStatus::Kind::Exited, row.exit_code}));
  }
}

TEST_F(Harness, BoxesAnsweredInTurnAreRecordedInOrder) {
  for (const char* caption : {"Slatebar", "Confirm"}) {
    ASSERT_TRUE(s().launch(paths::helper_exe(), {"msgbox", caption, std::string(caption) + " text",
                                                 std::string_view(caption) == "Confirm" ? "yesno" : "ok"}));
    ASSERT_TRUE(wait_for_box(s(), caption));
  }
  auto boxes = answer_boxes(s(), startup_policy(Answer::No), 1s, 30s);
  ASSERT_TRUE(boxes) << boxes.error();
  // Topmost first: the later box is answered first.
  EXPECT_EQ(*boxes, (std::vector<BoxSeen>{{"Confirm", "Confirm text", {"Yes", "No"}, true},
                                          {"Slatebar", "Slatebar text", {"OK"}, false}}));
}

TEST_F(Harness, ACloseRequestEndsAWindowsProgramWithItsExitCode) {
  auto window = s().open_window(WindowSpec::of("Closable", "Closable"));
  ASSERT_TRUE(window) << window.error();
  auto posted = s().close_class("Closable");
  ASSERT_TRUE(posted) << posted.error();
  EXPECT_EQ(*posted, 1);
  auto status = window->process().wait_exit(10s);
  ASSERT_TRUE(status);
  EXPECT_TRUE(status->exited_with(0)) << *status;
  EXPECT_TRUE(window->wait_event("closed", 1s));
  auto none = s().close_class("Closable");
  ASSERT_TRUE(none);
  EXPECT_EQ(*none, 0);
}

TEST_F(Harness, AProcessCountersAreReadFromBothSides) {
  auto window = s().open_window(WindowSpec::of("Counted", "Counted"));
  ASSERT_TRUE(window) << window.error();
  auto resources = s().resources_of_class("Counted");
  ASSERT_TRUE(resources) << resources.error();
  EXPECT_GT(resources->working_set, 1u << 20) << "a Wine process takes megabytes";
  const auto memory = window->process().memory();
  ASSERT_TRUE(memory);
  EXPECT_GT(memory->resident_kb, 1024);
  EXPECT_GT(memory->anonymous_kb, 0);
  EXPECT_FALSE(s().resources_of_class("NoSuchClass"));
}

TEST_F(Harness, EndingWineLeavesNoProcessOfItsOwn) {
  auto first = s().open_window(WindowSpec::of("A", "A"));
  auto second = s().open_window(WindowSpec::of("B", "B"));
  ASSERT_TRUE(first && second);
  const pid_t pids[] = {first->process().pid(), second->process().pid()};
  ASSERT_TRUE(s().end_wine());
  for (pid_t pid : pids) EXPECT_NE(::kill(pid, 0), 0) << "pid " << pid << " still there";
  EXPECT_TRUE(s().x_windows().empty() || !find_x_window(s().x_windows(), "A"));
  // The next program starts on a fresh server.
  auto again = s().open_window(WindowSpec::of("C", "C"));
  ASSERT_TRUE(again) << again.error();
}

}  // namespace
}  // namespace e2e
