// A message box, the About splash and the unlock as a person meets them
// under Wine, answered as a person answers: the box stands in front of
// the always-on-top lock screen, in the window manager's order and on the
// screen; the program's other windows are disabled while it is open; a
// click on its OK button where it is drawn closes it; and afterwards, with
// no other click, the bar slides out and in with the pointer alone.
#include <chrono>

#include "driver/actions_menu.h"
#include "driver/message_boxes.h"
#include "driver/slatebar.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing::E2eTest;

constexpr std::uint32_t kDisabled = 0x08000000;  // WS_DISABLED

class Modal : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  int w() { return s().screen().width; }
  int h() { return s().screen().height; }

  std::optional<WinWindow> bar() {
    auto list = s().windows();
    return list ? list->first_of_class(slatebar::kBarClass) : std::nullopt;
  }

  // The pointer away from the edge, then on its last column, then away
  // again: the bar goes out, comes in and goes out, with no click.
  ::testing::AssertionResult bar_slides_out_and_in(std::string_view when) {
    const auto out = [&] {
      s().input().move_to({w() / 2, h() / 3});
      return wait_until(3s, [&] {
        auto b = bar();
        return b && (!b->visible || b->rect.x >= w() - 1);
      });
    };
    if (!out()) {
      return ::testing::AssertionFailure() << "the bar stayed in " << when << "; "
                                           << s().record("bar-stayed").string();
    }
    if (auto in = actions::slide_bar_in(s()); !in) {
      return ::testing::AssertionFailure() << in.error() << " " << when << "; " << s().record("bar-not-in").string();
    }
    if (!out()) return ::testing::AssertionFailure() << "the bar stayed in after coming in " << when;
    return ::testing::AssertionSuccess();
  }

  // Share clicked on the bar where its icon is drawn; the box it opens.
  std::expected<Dialog, std::string> share_box() {
    auto in = actions::slide_bar_in(s());
    if (!in) return std::unexpected(in.error());
    // Share sits one pitch above the centre icon.
    s().input().click_at({in->rect.x + 24, h() / 2 - 64});
    return wait_for_box(s(), slatebar::kTitle);
  }

  // The program's forms (titled with their names) other than the box.
  std::vector<WinWindow> forms(unsigned pid) {
    std::vector<WinWindow> out;
    if (auto list = s().windows()) {
      for (const WinWindow& win : list->windows) {
        if (win.pid == pid && win.title.starts_with("frm")) out.push_back(win);
      }
    }
    return out;
  }

  ::testing::AssertionResult forms_enabled(unsigned pid, bool enabled) {
    const auto all = forms(pid);
    if (all.empty()) return ::testing::AssertionFailure() << "no form of the program found";
    for (const WinWindow& f : all) {
      if (((f.style & kDisabled) == 0) != enabled) {
        return ::testing::AssertionFailure() << f << (enabled ? " is disabled" : " is enabled");
      }
    }
    return ::testing::AssertionSuccess();
  }

  // The box stands above the form in the window manager's order, and X
  // stacks its window above the form's, so that is what the screen shows.
  ::testing::AssertionResult in_front_of(const Dialog& box, std::string_view form_name) {
    auto form = slatebar::form(s(), form_name);
    auto list = s().windows();
    if (!form || !list) return ::testing::AssertionFailure() << "no " << form_name;
    const auto box_z = list->z_index(box.hwnd), form_z = list->z_index(form->hwnd);
    if (!box_z || !form_z || *box_z > *form_z) {
      return ::testing::AssertionFailure() << "the box stands behind " << form_name << " in the z-order";
    }
    const auto x = s().x_windows();
    const auto box_x = list->by_hwnd(box.hwnd);
    std::optional<std::size_t> box_at, form_at;
    for (std::size_t i = 0; i < x.size(); ++i) {
      if (box_x && x[i].id == box_x->xid) box_at = i;
      if (x[i].id == form->xid) form_at = i;
    }
    if (!box_at || !form_at || *box_at > *form_at) {
      return ::testing::AssertionFailure() << "X stacks the box behind " << form_name;
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(Modal, ShareOverTheLockScreenStandsInFrontAndHoldsTheRestUntilItsOkIsClicked) {
  auto started = slatebar::start(s(), "modal-share");
  ASSERT_TRUE(started) << started.error();
  ASSERT_TRUE(wait_until(20s, [&] {
    auto lock = slatebar::form(s(), "frmLogon");
    return lock && lock->visible;
  })) << "the lock screen did not come up";
  auto before = s().screenshot();
  ASSERT_TRUE(before) << before.error();

  auto box = share_box();
  ASSERT_TRUE(box) << box.error();
  EXPECT_EQ(seen(*box), (BoxSeen{"Slatebar", "Not yet implemented", {"OK"}, false}));
  EXPECT_TRUE(in_front_of(*box, "frmLogon"));
  // On the screen: where the box is, the lock screen's picture has gone.
  std::optional<Screenshot> shot;
  wait_until(10s, [&] {
    auto look = s().screenshot();
    if (look) shot = std::move(*look);
    return shot && shot->same_as(*before, box->rect) < 0.5;
  });
  ASSERT_TRUE(shot) << "no look at the screen";
  EXPECT_LT(shot->same_as(*before, box->rect), 0.5) << "the lock screen shows where the box is; "
                                                   << s().record("box-hidden").string();
  const unsigned pid = started->bar.pid;
  EXPECT_TRUE(forms_enabled(pid, false));

  // A click on its OK button where it is drawn.
  ASSERT_TRUE(answer_box(s(), *box, Answer::Ok));
  EXPECT_TRUE(wait_until(3s, [&] { return static_cast<bool>(forms_enabled(pid, true)); })) << forms_enabled(pid, true);
  EXPECT_TRUE(bar_slides_out_and_in("after the box"));
  EXPECT_TRUE(started->process->running());
}

TEST_F(Modal, TheBarAnswersThePointerAfterTheAboutSplash) {
  auto started = slatebar::start(s(), "modal-about");
  ASSERT_TRUE(started) << started.error();
  auto open = slatebar::unlock_started(s());
  ASSERT_TRUE(open) << open.error();
  auto chosen = actions::choose(s(), actions::kAbout);
  ASSERT_TRUE(chosen) << chosen.error();
  ASSERT_TRUE(wait_until(15s, [&] { return actions::visible_titled(s(), "FormSplash"); })) << "no splash";
  ASSERT_TRUE(wait_until(15s, [&] { return actions::all_visible_titled(s(), "FormSplash").empty(); }))
      << "the splash stayed";
  EXPECT_TRUE(bar_slides_out_and_in("after the splash"));
}

TEST_F(Modal, TheBarAnswersThePointerRightAfterUnlocking) {
  auto started = slatebar::start(s(), "modal-unlock");
  ASSERT_TRUE(started) << started.error();
  auto open = slatebar::unlock_started(s());
  ASSERT_TRUE(open) << open.error();
  EXPECT_TRUE(bar_slides_out_and_in("after unlocking"));
}

}  // namespace
}  // namespace e2e
