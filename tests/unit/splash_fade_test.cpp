// The splash's fade-in: its alpha steps, and its pacing by the system tick
// counter on the simulated desktop, where the tick moves only when the
// program sleeps.
#include <gtest/gtest.h>

#include <vector>

#include "forms/Splash/fade.h"
#include "platform/sim/desktop.h"

namespace {

// 85 updates, quick at first and slower towards full opacity.
const std::vector<int> kAlphas = {
    8,   16,  24,  32,  39,  46,  53,  60,  67,  73,  79,  85,  91,  97,  102, 107, 112, 117, 122, 127, 132, 136,
    140, 144, 148, 152, 156, 160, 163, 166, 169, 172, 175, 178, 181, 184, 187, 190, 193, 195, 197, 199, 201, 203,
    205, 207, 209, 211, 213, 215, 217, 219, 221, 223, 225, 226, 227, 228, 229, 230, 231, 232, 233, 234, 235, 236,
    237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255};

TEST(SplashFade, AlphaRunsInEightyFiveStepsFromEightToExactlyFull) {
  ASSERT_EQ(kAlphas.size(), 85u);
  std::vector<int> got;
  for (std::uint8_t a = 0; a < 255;) {
    a = Splash::next_fade_alpha(a);
    got.push_back(a);
    ASSERT_LE(got.size(), 300u) << "the fade never reaches 255";
  }
  EXPECT_EQ(got, kAlphas);
}

struct Update {
  int alpha;
  plat::DWORD tick;
};

// Each row: where the tick counter stands when the fade starts. The fade
// remembers 0 as its last tick, so a counter that reads 0 waits one poll
// before the first step; elsewhere the first step comes at once.
TEST(SplashFade, OneUpdatePerFreshTickPolledEveryTenMilliseconds) {
  struct Row {
    const char* what;
    plat::DWORD tick_base;
    std::size_t sleeps;
  };
  const Row rows[] = {
      {"the counter at 0", 0, 85},
      {"the counter running", 123'456, 84},
      {"the counter about to wrap", 0xFFFFFFF0u, 84},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    sim::Desktop desktop;
    desktop.install();
    desktop.set_tick_base(row.tick_base);
    desktop.log().clear();
    std::vector<Update> updates;
    Splash::fade_in([&](std::uint8_t alpha) { updates.push_back({alpha, plat::os().GetTickCount()}); });

    std::vector<int> alphas;
    for (const Update& u : updates) alphas.push_back(u.alpha);
    EXPECT_EQ(alphas, kAlphas);
    for (std::size_t i = 1; i < updates.size(); ++i) {
      EXPECT_EQ(updates[i].tick - updates[i - 1].tick, 10u) << "update " << i << " did not wait for a fresh tick";
    }
    // The loop only sleeps: nothing is dispatched while it runs.
    const auto& log = desktop.events();
    std::size_t sleeps = 0;
    for (const std::string& e : log) {
      EXPECT_EQ(e, "Sleep 10");
      sleeps += e == "Sleep 10";
    }
    EXPECT_EQ(sleeps, row.sleeps);
  }
}

}  // namespace
