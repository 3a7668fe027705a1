// The location bar: the address label after each completed download
// (local files never shown, everything else in the ANSI code page), and
// the bar itself, shown while the pointer is on the rows below its top,
// which keeps its state through a tick that cannot read the pointer and
// allocates nothing in its ticks.
#include <gtest/gtest.h>

#include <cstddef>

#include "support/framework_fixture.h"

// Every heap block the program takes while `counting` is set is counted
// at malloc, beneath every operator new of the program (another test of
// this program replaces operator new for its own count, and there can be
// only one). The allocator's entry points forward to glibc's own; under
// AddressSanitizer, which owns them itself, nothing is replaced and the
// count is not taken.
namespace {
bool counting = false;
std::size_t allocations = 0;
}  // namespace

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kCountingAllocations = false;
#else
constexpr bool kCountingAllocations = true;
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void __libc_free(void*);
void* malloc(std::size_t size) noexcept {
  if (counting) ++allocations;
  return __libc_malloc(size);
}
void* calloc(std::size_t n, std::size_t size) noexcept {
  if (counting) ++allocations;
  return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t size) noexcept {
  if (counting) ++allocations;
  return __libc_realloc(p, size);
}
void free(void* p) noexcept { __libc_free(p); }
}
#endif

namespace {

using framework_test::FrameWork;
using framework_test::Screen;

// Download completions in a row; the label keeps what it had when a local
// location completes.
TEST_F(FrameWork, AddressLabelAfterEachDownload) {
  create();
  struct Row {
    std::u16string location;
    const char* label;
  };
  const Row rows[] = {
      {u"file:///C:/Program Files/Slatebar/menu\\index.htm", ""},
      {u"https://www.example.org/", "https://www.example.org/"},
      {u"file:///C:/Program Files/Slatebar/menu/help.htm", "https://www.example.org/"},
      {u"file:///", "https://www.example.org/"},
      // The test is exact and case-sensitive, and only at the first character.
      {u"FILE:///C:/page.htm", "FILE:///C:/page.htm"},
      {u"File:///C:/page.htm", "File:///C:/page.htm"},
      {u" file:///C:/page.htm", " file:///C:/page.htm"},
      {u"https://example.com/?from=file:///C:/x", "https://example.com/?from=file:///C:/x"},
      {u"file://C:\\windows\\menu\\index.htm", "file://C:\\windows\\menu\\index.htm"},
      {u"about:blank", "about:blank"},
      {u"", ""},
      // Through the ANSI code page: what it has comes through, what it
      // lacks turns into question marks.
      {u"https://example.com/caf\u00E9/\u20AC", "https://example.com/caf\xE9/\x80"},
      {u"https://example.com/\u65E5\u672C", "https://example.com/??"},
      {u"https://example.com/\U0001F600", "https://example.com/?"},
  };
  for (const Row& row : rows) {
    browser().set_location(row.location);
    browser().fire_download_complete();
    EXPECT_EQ(frmFrameWork->lblURL->caption(), row.label) << sim::utf16_to_utf8(row.location);
  }
  EXPECT_TRUE(boxes().empty());
}

// A control that has shown nothing answers S_FALSE and no address: that is
// a success, not an error; a real failure goes to the standard error box
// and leaves the label alone.
TEST_F(FrameWork, AddressLabelWhenTheLocationCannotBeRead) {
  create();
  browser().set_location(u"https://www.example.org/");
  browser().fire_download_complete();

  browser().fail(sim::BrowserCall::LocationURL, plat::S_FALSE);
  browser().fire_download_complete();
  EXPECT_EQ(frmFrameWork->lblURL->caption(), "");
  EXPECT_TRUE(boxes().empty());

  browser().clear_fault(sim::BrowserCall::LocationURL);
  browser().set_location(u"https://www.example.org/");
  browser().fire_download_complete();
  browser().fail(sim::BrowserCall::LocationURL, plat::E_FAIL);
  browser().fire_download_complete();
  EXPECT_EQ(frmFrameWork->lblURL->caption(), "https://www.example.org/");
  EXPECT_EQ(boxes(),
            std::vector<std::string>{"Slatebar | Unspecified error (LocationURL: 0x80004005) | error OK"});
}

TEST_F(FrameWork, LocationBarFollowsThePointerTickByTick) {
  struct Step {
    int x, y;
    bool unreadable;
    bool shown;
    const char* why;
  };
  struct Row {
    const char* what;
    Screen screen;
    std::vector<Step> steps;
  };
  // The panel's top is H - 33 in form coordinates; the pointer's screen Y
  // is compared with it as it is.
  const Row rows[] = {
      {"1024 x 768",
       {1024, 768, std::nullopt},
       {{0, 735, false, false, "on the panel's top row: hidden"},
        {0, 736, false, true, "one row lower: shown"},
        {1023, 767, false, true, "bottom right corner"},
        {512, 736, false, true, "X does not matter"},
        {512, 400, true, true, "unreadable: stays shown"},
        {512, 0, false, false, "top of the screen"},
        {0, 767, true, false, "unreadable: stays hidden"},
        {0, 767, false, true, "readable again"}}},
      {"800 x 600",
       {800, 600, std::nullopt},
       {{0, 567, false, false, "on the panel's top row"},
        {799, 568, false, true, "one row lower"},
        {0, 566, false, false, "one row higher"}}},
      // The frame stands 40 pixels lower, the comparison does not move: the
      // bar is shown while the pointer is on the bottom 32 rows of the
      // screen, which lie above the bar's own place.
      {"taskbar at the top",
       {1024, 768, plat::RECT{0, 40, 1024, 768}},
       {{0, 735, false, false, "the panel's top in form coordinates"},
        {0, 736, false, true, "one row lower"},
        {0, 774, false, true, "the bar's screen top is beyond the last row"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    sim.restart();
    sim.desktop.set_work_area(row.screen.work_area.value_or(plat::RECT{0, 0, row.screen.width, row.screen.height}));
    create(row.screen);
    for (const Step& s : row.steps) {
      sim.desktop.refuse_cursor_reads(s.unreadable);
      point_and_tick(s.x, s.y);
      EXPECT_EQ(frmFrameWork->Panel1->visible(), s.shown) << s.why << " (" << s.x << ", " << s.y << ")";
    }
    sim.desktop.refuse_cursor_reads(false);
  }
  EXPECT_TRUE(boxes().empty()) << "an unreadable cursor is not reported";
}

// The bar answers within one tick, not before it.
TEST_F(FrameWork, LocationBarChangesOnlyOnTheTick) {
  create();
  point_and_tick(0, 100);
  ASSERT_FALSE(frmFrameWork->Panel1->visible());
  sim.desktop.move_pointer(0, 767);
  sim.desktop.advance(framework_test::kTick - 1);
  EXPECT_FALSE(frmFrameWork->Panel1->visible());
  sim.desktop.advance(1);
  EXPECT_TRUE(frmFrameWork->Panel1->visible());
}

// The tick runs twice a second for the whole run: it allocates nothing,
// whether the bar stays, appears or goes, or the cursor cannot be read.
TEST_F(FrameWork, LocationBarTickAllocatesNothing) {
  if (!kCountingAllocations) GTEST_SKIP() << "AddressSanitizer owns the allocator";
  create();
  sim.desktop.log().set_enabled(false);
  struct Step {
    int y;
    bool unreadable;
    bool shown;
  };
  const Step steps[] = {{100, false, false}, {100, false, false}, {767, false, true}, {767, false, true},
                        {100, false, false}, {767, true, false},  {100, true, false}, {767, false, true},
                        {0, false, false}};
  for (const Step& s : steps) {
    sim.desktop.move_pointer(300, s.y);
    sim.desktop.refuse_cursor_reads(s.unreadable);
    allocations = 0;
    counting = true;
    frmFrameWork->tmrLocationBar->tick();
    counting = false;
    EXPECT_EQ(allocations, 0u) << "pointer at y " << s.y << (s.unreadable ? ", unreadable" : "");
    EXPECT_EQ(frmFrameWork->Panel1->visible(), s.shown) << "pointer at y " << s.y;
  }
}

}  // namespace
