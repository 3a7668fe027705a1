// The lock screen's, the welcome screen's and the clock panel's texts,
// read off the screen with OCR as a person reads them: the time is the local time, the weekday and
// the month are the locale's names, in English and in Spanish (whose day
// names are not plain ASCII). In the clock panel the time stands apart
// from the weekday, as the design lays them out with Calibri's metrics.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "driver/actions_menu.h"
#include "driver/ocr.h"
#include "driver/screen_wait.h"
#include "driver/slatebar.h"
#include "driver/wait.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;
using namespace std::chrono_literals;

struct Language {
  const char* name;
  const char* locale;     // the C library's, which Wine follows
  const char* tesseract;  // tesseract's language
  std::vector<std::string> days;    // Sunday first
  std::vector<std::string> months;  // the short names, January first
};

const Language kEnglish{"English", "C.UTF-8", "eng",
                        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
                        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}};
const Language kSpanish{"Spanish", "es_ES.UTF-8", "spa",
                        {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"},
                        {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sept", "oct", "nov", "dic"}};

// The welcome screen's face.
constexpr Rgb kWelcomePurple{37, 9, 49};

std::tm local_now() {
  const std::time_t t = std::time(nullptr);
  std::tm out{};
  localtime_r(&t, &out);
  return out;
}

// What a person reads in a block of the program's texts, compared with
// the clock: "HH:MM" within a minute of now, today's weekday, and today's
// month and day as "<month>, <day>".
class Reading {
 public:
  explicit Reading(std::vector<OcrWord> words) : words_(std::move(words)) {}

  std::optional<OcrWord> word(const std::regex& pattern) const {
    for (const OcrWord& w : words_) {
      if (std::regex_match(w.text, pattern)) return w;
    }
    return std::nullopt;
  }
  std::optional<OcrWord> exact(const std::string& text) const {
    for (const OcrWord& w : words_) {
      if (w.text == text) return w;
    }
    return std::nullopt;
  }
  std::string all() const {
    std::string out;
    for (const std::string& line : lines_of(words_)) out += "[" + line + "] ";
    return out;
  }

 private:
  std::vector<OcrWord> words_;
};

::testing::AssertionResult tells_the_time(const Reading& read, const Language& language) {
  static const std::regex hh_mm("([0-2][0-9]):([0-5][0-9])");
  const std::tm now = local_now();
  auto time = read.word(hh_mm);
  if (!time) return ::testing::AssertionFailure() << "no time read in " << read.all();
  const int shown = std::stoi(time->text.substr(0, 2)) * 60 + std::stoi(time->text.substr(3, 2));
  const int diff = std::abs(shown - (now.tm_hour * 60 + now.tm_min));
  if (std::min(diff, 24 * 60 - diff) > 1) {
    return ::testing::AssertionFailure() << "the time reads " << time->text << ", the clock says " << now.tm_hour
                                         << ":" << now.tm_min;
  }
  const std::string& day = language.days[static_cast<std::size_t>(now.tm_wday)];
  if (!read.exact(day)) return ::testing::AssertionFailure() << "no \"" << day << "\" in " << read.all();
  const std::string& month = language.months[static_cast<std::size_t>(now.tm_mon)];
  const std::regex month_day(month + "\\.?,");
  if (!read.word(month_day) || !read.exact(std::to_string(now.tm_mday))) {
    return ::testing::AssertionFailure() << "no \"" << month << ", " << now.tm_mday << "\" in " << read.all();
  }
  return ::testing::AssertionSuccess();
}

// The columns of a rectangle that hold a white pixel, left to right.
std::vector<int> white_columns(const Screenshot& shot, Rect area) {
  std::vector<int> out;
  for (int x = area.x; x < area.right(); ++x) {
    if (shot.fraction({x, area.y, 1, area.height}, near_white) > 0) out.push_back(x);
  }
  return out;
}

class Texts : public E2eTest, public ::testing::WithParamInterface<Language> {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }
  void TearDown() override {
    if (auto english = s().use_locale(kEnglish.locale); !english) ADD_FAILURE() << english.error();
    E2eTest::TearDown();
  }

  // The words of the areas of one screenshot, read in turn.
  std::expected<Reading, std::string> read(const Screenshot& shot, const std::vector<Rect>& areas) {
    std::vector<OcrWord> all;
    for (const Rect& area : areas) {
      auto words = read_white_text(shot, area, GetParam().tesseract);
      if (!words) return std::unexpected(words.error());
      all.insert(all.end(), words->begin(), words->end());
    }
    return Reading(std::move(all));
  }
};

TEST_P(Texts, TheLockScreenAndTheClockPanelTellTheTimeAndDateInTheLocalesWords) {
  const Language& language = GetParam();
  ASSERT_TRUE(s().use_locale(language.locale));
  auto started = slatebar::start(s(), std::string("texts-") + language.tesseract);
  ASSERT_TRUE(started) << started.error();
  ASSERT_TRUE(wait_until(20s, [&] { return slatebar::shown(s(), "frmLogon"); })) << "no lock screen";
  // The texts come with the clock's first tick, a second after creation:
  // read once the time's place shows white.
  const int h = s().screen().height;
  auto lock_shot = wait_for_screen(s().x(), 20s, [&](const Screenshot& shot) {
    return shot.fraction({88, h - 200, 260, 110}, near_white) > 0.03;
  });
  ASSERT_TRUE(lock_shot) << "no time on the lock screen; " << s().record("lock-texts").string();
  auto lock = read(*lock_shot, {{60, h - 320, 420, 250}});
  ASSERT_TRUE(lock) << lock.error();
  std::printf("the lock screen reads %s\n", lock->all().c_str());
  EXPECT_TRUE(tells_the_time(*lock, language)) << "on the lock screen";

  // Pushed away: the welcome screen greets for half a second with the
  // user's name and "Welcome", the program's own word in every locale.
  slatebar::drag_lock_screen(s(), 300);
  // Only the texts' corner is read while polling, which keeps each look
  // short; the greeting is there once it is white on the welcome screen's
  // purple (the white frame behind would pass for white alone).
  const Rect greeting = slatebar::welcome_greeting(s().screen());
  const Rect texts{greeting.x - 10, greeting.y - 50, 320, 90};
  auto welcome_shot = wait_until(10s, [&]() -> std::optional<Screenshot> {
    auto shot = Screenshot::capture(s().x(), texts);
    if (shot && shot->fraction(texts, near_to(kWelcomePurple, 40)) > 0.3 &&
        shot->fraction(greeting, near_white) > 0.05) {
      return std::move(*shot);
    }
    return std::nullopt;
  }, 5ms);
  ASSERT_TRUE(welcome_shot) << "the welcome screen's greeting was not seen";
  auto welcome = read(*welcome_shot, {texts});
  ASSERT_TRUE(welcome) << welcome.error();
  std::printf("the welcome screen reads %s\n", welcome->all().c_str());
  EXPECT_TRUE(welcome->exact(WinePrefix::user_name())) << welcome->all();
  EXPECT_TRUE(welcome->exact("Welcome")) << welcome->all();
  ASSERT_TRUE(slatebar::unlock(s()));
  auto bar = actions::slide_bar_in(s());
  ASSERT_TRUE(bar) << bar.error();
  auto panel = wait_until(5s, [&] { return slatebar::visible_titled(s(), "frmClock"); });
  ASSERT_TRUE(panel) << "no clock panel beside the bar";
  // The panel's labels, in its design: the time from 80 to 302, the
  // weekday and the date from 304 (its client area is at the window's
  // origin, measured). Read once both show white.
  const Point o{panel->rect.x, panel->rect.y};
  const Rect time_label{o.x + 80, o.y + 16, 222, 117}, day_label{o.x + 304, o.y + 40, 151, 78};
  auto panel_shot = wait_for_screen(s().x(), 10s, [&](const Screenshot& shot) {
    return shot.fraction(time_label, near_white) > 0.03 && shot.fraction(day_label, near_white) > 0.03;
  });
  ASSERT_TRUE(panel_shot) << "the clock panel shows no texts; " << s().record("panel-texts").string();
  auto clock = read(*panel_shot, {{o.x + 70, o.y, 232, 143}, {o.x + 303, o.y + 30, 157, 100}});
  ASSERT_TRUE(clock) << clock.error();
  std::printf("the clock panel reads %s\n", clock->all().c_str());
  EXPECT_TRUE(tells_the_time(*clock, language)) << "in the clock panel";

  // Laid out with Calibri's metrics the time ends well inside its label,
  // and empty columns stand between it and the weekday (measured with
  // Carlito: 4 before the label's end, 7 in all). In a wider face the
  // label cuts the time at its edge, two columns from the weekday.
  const auto time_columns = white_columns(*panel_shot, time_label);
  const auto day_columns = white_columns(*panel_shot, {day_label.x, day_label.y, day_label.width, 40});
  ASSERT_FALSE(time_columns.empty() || day_columns.empty()) << "no white time or weekday";
  const int time_right = time_columns.back(), day_left = day_columns.front();
  EXPECT_LT(time_right, day_left);
  EXPECT_GE(day_left - time_right - 1, 5) << "the time's last white column is " << time_right - o.x
                                          << ", the weekday's first " << day_left - o.x << " (panel coordinates)";
}

INSTANTIATE_TEST_SUITE_P(Locales, Texts, ::testing::Values(kEnglish, kSpanish),
                         [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
