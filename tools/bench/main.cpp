// Idle cost, start time and memory of Slatebar against the floor program,
// and the full repaints of its two screen-sized forms, on one virtual
// display and one Wine prefix per screen size. Prints one "key<TAB>value"
// line per figure on stdout for scripts/bench to tabulate; progress goes
// to stderr. Idle cost and start time are measured at the first size only;
// memory and repaints at every size, keyed "<width>x<height>.<figure>".
//   slatebar_idle_bench <floor exe> [idle seconds, default 20; 0: none] [WxH ...]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "driver/message_boxes.h"
#include "driver/session.h"
#include "driver/slatebar.h"
#include "prefix_cpu.h"
#include "slide_pace.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

int g_idle_seconds = 20;

void figure(const std::string& key, double value) { std::printf("%s\t%.4f\n", key.c_str(), value); }
void note(const std::string& what) { std::cerr << "bench: " << what << std::endl; }

[[noreturn]] void fail(const std::string& why) {
  std::cerr << "bench: FAILED: " << why << std::endl;
  std::exit(1);
}

// Processor seconds of the whole prefix over the idle window, after the
// program has had `settle` to finish whatever the last input started; the
// split between the program's own process and Wine's server goes beside it.
void idle_cpu(e2e::Session& s, std::chrono::milliseconds settle, const std::string& key, pid_t program) {
  std::this_thread::sleep_for(settle);
  const auto before = bench::sample_prefix(s.prefix().path());
  std::this_thread::sleep_for(std::chrono::seconds(g_idle_seconds));
  const auto after = bench::sample_prefix(s.prefix().path());
  double own = 0, server = 0;
  for (const auto& [pid, ticks] : after) {
    const double secs = bench::cpu_seconds_between({{pid, before.count(pid) ? before.at(pid) : 0}}, {{pid, ticks}});
    const std::string name = bench::process_name(pid);
    if (pid == program) own = secs;
    if (name.find("wineserver") != std::string::npos) server += secs;
    // Where the rest went, for whoever looks into a figure.
    if (secs > 0) note("  " + name + ": " + std::to_string(secs) + " s");
  }
  figure(key + ".cpu_s", bench::cpu_seconds_between(before, after));
  figure(key + ".program_s", own);
  figure(key + ".server_s", server);
}

// From the launch until one of the process's X windows is on the screen.
double ms_to_first_window(e2e::Session& s, e2e::WineProcess& p, Clock::time_point launched) {
  const auto deadline = launched + e2e::kFirstWindowTimeout;
  while (Clock::now() < deadline) {
    for (const e2e::XWindowInfo& w : p.x_windows(s.x())) {
      if (w.mapped) return std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
    }
    std::this_thread::sleep_for(10ms);
  }
  fail("no window of " + p.name() + " within the first-window deadline");
}

std::string size_key(e2e::ScreenSize screen) {
  return std::to_string(screen.width) + "x" + std::to_string(screen.height);
}

// The resident set, and the program's own part of it: without the shared
// memory, which is where Wine's X11 driver keeps the surfaces of the
// visible windows (on Windows the compositor holds those).
void memory_figures(e2e::Session& s, const std::string& key, e2e::WineProcess& p, std::string_view window_class) {
  const long rss = bench::status_kib(p.pid(), "VmRSS");
  const long shared = bench::status_kib(p.pid(), "RssShmem");
  note(key + ": VmRSS " + std::to_string(rss) + " KiB, RssShmem " + std::to_string(shared) + " KiB, RssAnon " +
       std::to_string(bench::status_kib(p.pid(), "RssAnon")) + " KiB");
  figure(key + ".rss_kib", static_cast<double>(rss));
  if (rss >= 0 && shared >= 0) figure(size_key(s.screen()) + "." + key + ".own_kib", static_cast<double>(rss - shared));
  if (auto r = s.resources_of_class(window_class)) {
    figure(key + ".private_kib", static_cast<double>(r->private_bytes / 1024));
    figure(key + ".working_set_kib", static_cast<double>(r->working_set / 1024));
    figure(key + ".gdi_objects", static_cast<double>(r->gdi_objects));
    figure(key + ".user_objects", static_cast<double>(r->user_objects));
  } else {
    note("no resource counts for " + std::string(window_class) + ": " + r.error());
  }
}

// The median duration of the full-screen paints of one form, and of the
// plain blit of their pixels to the window within them, from the backend's
// paint log (title, client size, microseconds, the painted size and the
// copy's microseconds per line).
void paint_figure(const fs::path& log, const std::string& title, const std::string& key, e2e::ScreenSize screen) {
  std::ifstream in(log);
  std::string line;
  std::vector<double> us, copy_us;
  const std::string size = size_key(screen);
  while (std::getline(in, line)) {
    // The backend writes in text mode: lines end in CR LF.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream fields(line);
    std::string tag, t, sz, value, painted, copy;
    if (!std::getline(fields, tag, '\t') || !std::getline(fields, t, '\t') || !std::getline(fields, sz, '\t') ||
        !std::getline(fields, value, '\t')) {
      continue;
    }
    const bool whole = !std::getline(fields, painted, '\t') || painted == size;
    if (t != title || sz != size || !whole) continue;
    us.push_back(std::atof(value.c_str()));
    if (std::getline(fields, copy)) copy_us.push_back(std::atof(copy.c_str()));
  }
  if (us.empty()) {
    note("no full-screen paint of " + title + " in the paint log");
    return;
  }
  std::sort(us.begin(), us.end());
  figure(size + "." + key + ".paint_us", us[us.size() / 2]);
  figure(size + "." + key + ".paints", static_cast<double>(us.size()));
  if (!copy_us.empty()) {
    std::sort(copy_us.begin(), copy_us.end());
    figure(size + "." + key + ".blit_us", copy_us[copy_us.size() / 2]);
  }
}

// Full repaints on demand: the helper invalidates the whole window from
// outside, as an exposure would, and the program paints it again.
void repaint(e2e::Session& s, std::string_view title, int times) {
  for (int i = 0; i < times; ++i) {
    if (auto r = s.run_helper({"redraw", std::string(title)}); !r) note("no repaint of " + std::string(title) + ": " + r.error());
    std::this_thread::sleep_for(400ms);
  }
}

void measure_slatebar(e2e::Session& s, bool idle) {
  const e2e::ScreenSize screen = s.screen();
  // The backend appends every paint there; Wine's drive Z: is the root.
  const fs::path paint_log = s.work_dir() / "paint.log";
  fs::remove(paint_log);
  std::string windows_path = "Z:" + paint_log.string();
  std::replace(windows_path.begin(), windows_path.end(), '/', '\\');
  ::setenv("SLATEBAR_PAINT_LOG", windows_path.c_str(), 1);
  const e2e::Point middle{screen.width / 2, screen.height / 2};
  s.input().move_to(middle);
  auto folder = e2e::slatebar::fresh_copy(s, "bench");
  if (!folder) fail(folder.error());
  // The shipped exe keeps no paint log: its paint-timing build, otherwise
  // the same program, stands in for it here.
  const char* profile = std::getenv("SLATEBAR_BENCH_PAINT_PROFILE");
  if (!profile || !fs::exists(profile)) fail("no paint-timing build (SLATEBAR_BENCH_PAINT_PROFILE)");
  fs::copy_file(profile, e2e::slatebar::exe_in(*folder), fs::copy_options::overwrite_existing);
  const auto launched = Clock::now();
  auto process = e2e::slatebar::launch(s, *folder);
  if (!process) fail(process.error());
  const double start_ms = ms_to_first_window(s, *process, launched);
  if (idle) figure("slatebar.start_ms", start_ms);
  if (auto boxes = e2e::answer_boxes(s, e2e::startup_policy()); !boxes) fail(boxes.error());
  if (auto bar = e2e::slatebar::wait_for_bar(s); !bar) fail(bar.error());
  std::this_thread::sleep_for(3s);
  memory_figures(s, "slatebar", *process, e2e::slatebar::kBarClass);
  note("full repaints of the lock screen and the welcome screen beneath it");
  repaint(s, "frmLogon", 5);
  repaint(s, "frmWelcome", 5);

  if (idle) {
    note("idle with the lock screen up");
    // The browser control and the start-up sequence go on working for some
    // seconds after the last box; measured from 3 s on, the first run here
    // counted that work as idling.
    idle_cpu(s, 12s, "slatebar.locked", process->get().pid());
  }
  note("unlocking: a drag up from the lock screen's bottom band, the slide-away watched");
  std::string why;
  if (auto pace = bench::measure_slide_away(s, why)) {
    const std::string size = size_key(screen);
    figure(size + ".slide.steps", pace->steps);
    figure(size + ".slide.expected_steps", pace->expected_steps);
    figure(size + ".slide.ms_per_step", pace->ms_per_step);
    figure(size + ".slide.px_per_step", pace->px_per_step);
  } else {
    note("no slide-away pace: " + why);
  }
  s.input().move_to(middle);
  if (idle) {
    note("idle unlocked, pointer in the middle");
    idle_cpu(s, 4s, "slatebar.unlocked", process->get().pid());

    note("idle with the bar slid in, pointer on the right edge");
    s.input().move_to({screen.width - 1, middle.y});
    idle_cpu(s, 3s, "slatebar.bar_in", process->get().pid());
    s.input().move_to(middle);
  }
  if (!process->get().running()) fail("Slatebar ended during the measurements");
  paint_figure(paint_log, "frmLogon", "lock_screen", screen);
  paint_figure(paint_log, "frmWelcome", "welcome_screen", screen);
  ::unsetenv("SLATEBAR_PAINT_LOG");
  if (auto ended = s.end_wine(); !ended) fail(ended.error());
}

void measure_floor(e2e::Session& s, const fs::path& floor_exe, bool idle) {
  if (idle) {
    s.input().move_to({s.screen().width / 2, s.screen().height / 2});
    const auto launched = Clock::now();
    auto floor = s.launch(floor_exe);
    if (!floor) fail(floor.error());
    figure("floor.start_ms", ms_to_first_window(s, *floor, launched));
    std::this_thread::sleep_for(3s);
    memory_figures(s, "floor", *floor, "SlatebarFloorCLS");
    note("idle floor");
    idle_cpu(s, 2s, "floor", floor->get().pid());
    if (auto ended = s.end_wine(); !ended) fail(ended.error());
  }

  auto with_browser = s.launch(floor_exe, {"--browser"});
  if (!with_browser) fail(with_browser.error());
  ms_to_first_window(s, *with_browser, Clock::now());
  std::this_thread::sleep_for(3s);
  memory_figures(s, "floor_browser", *with_browser, "SlatebarFloorCLS");
  if (auto ended = s.end_wine(); !ended) fail(ended.error());
}

// One screen size: its own display and prefix, the floor, then Slatebar.
void measure_at(e2e::ScreenSize screen, const fs::path& floor_exe, bool idle) {
  note("screen " + size_key(screen));
  auto session = e2e::Session::start({.group = "bench", .screen = screen, .second = {}});
  if (!session) fail(session.error());
  // One start thrown away, so that neither program's start time pays for
  // the prefix's first start of Wine's own services and a cold file cache.
  {
    auto warm = (*session)->launch(floor_exe);
    if (!warm) fail(warm.error());
    ms_to_first_window(**session, *warm, Clock::now());
    if (auto ended = (*session)->end_wine(); !ended) fail(ended.error());
  }
  measure_floor(**session, floor_exe, idle);
  measure_slatebar(**session, idle);
}

std::optional<e2e::ScreenSize> parse_size(std::string_view text) {
  e2e::ScreenSize size;
  if (std::sscanf(std::string(text).c_str(), "%dx%d", &size.width, &size.height) != 2 || size.width <= 0 ||
      size.height <= 0) {
    return std::nullopt;
  }
  return size;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: slatebar_idle_bench <floor exe> [idle seconds] [WxH ...]\n";
    return 2;
  }
  // Wine starts it from another working folder.
  const fs::path floor_exe = fs::absolute(argv[1]);
  if (argc > 2) g_idle_seconds = std::atoi(argv[2]);
  std::vector<e2e::ScreenSize> sizes;
  for (int i = 3; i < argc; ++i) {
    auto size = parse_size(argv[i]);
    if (!size) fail(std::string("not a screen size: ") + argv[i]);
    sizes.push_back(*size);
  }
  if (sizes.empty()) sizes.push_back({1920, 1080, 24});
  if (auto why = e2e::slatebar::unavailable()) fail(*why);
  if (!fs::exists(floor_exe)) fail("no floor program at " + floor_exe.string());

  figure("idle_seconds", g_idle_seconds);
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    // A session ends with its scope: each size gets a fresh display.
    measure_at(sizes[i], floor_exe, i == 0 && g_idle_seconds > 0);
  }
  return 0;
}
