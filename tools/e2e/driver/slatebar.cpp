#include "driver/slatebar.h"

#include <cstdio>
#include <sstream>
#include <thread>

#include "driver/paths.h"
#include "driver/requirements.h"
#include "driver/wait.h"

namespace e2e::slatebar {

namespace fs = std::filesystem;

fs::path exe_in(const fs::path& folder) { return folder / "slatebar.exe"; }

std::optional<std::string> unavailable() {
  const fs::path exe = exe_in(paths::dist_dir());
  if (!fs::exists(exe)) return "no " + exe.string() + " (build the mingw-x86_64 preset first)";
  return missing_tools();
}

namespace {

std::expected<fs::path, std::string> copy_to(const fs::path& target) {
  std::error_code error;
  fs::remove_all(target, error);
  fs::create_directories(target.parent_path(), error);
  fs::copy(paths::dist_dir(), target, fs::copy_options::recursive, error);
  if (error) return std::unexpected("cannot copy " + paths::dist_dir().string() + ": " + error.message());
  return target;
}

}  // namespace

std::expected<fs::path, std::string> fresh_copy(Session& session, std::string_view name) {
  return copy_to(session.work_dir() / std::string(name));
}

std::expected<fs::path, std::string> installed_copy(Session& session, std::string_view name) {
  return copy_to(session.prefix().unix_path("C:\\Slatebar\\" + std::string(name)));
}

std::expected<std::reference_wrapper<WineProcess>, std::string> launch(Session& session, const fs::path& folder) {
  return session.launch(exe_in(folder), {}, folder);
}

std::expected<std::reference_wrapper<WineProcess>, std::string> launch_copy(Session& session,
                                                                            std::string_view copy_name) {
  auto folder = fresh_copy(session, copy_name);
  if (!folder) return std::unexpected(folder.error());
  return launch(session, *folder);
}

std::expected<WinWindow, std::string> wait_for_bar(Session& session, std::chrono::milliseconds timeout) {
  return session.wait_for_window(kBarClass, timeout, [](const WinWindow&) { return true; });
}

namespace {

std::expected<Started, std::string> start_once(Session& session, const fs::path& folder, const BoxPolicy& policy) {
  const auto launched_at = std::chrono::steady_clock::now();
  auto process = launch(session, folder);
  if (!process) return std::unexpected(process.error());
  Started started;
  started.process = &process->get();
  const std::string record_name = "start-" + folder.filename().string();
  // Boxes come before the bar is shown: while the forms are created and
  // while the bar's show event runs the start-up sequence, which a slow
  // machine can spread over many seconds. The bar becomes visible only
  // after that sequence, so its visibility, not its existence, ends the wait.
  std::optional<WinWindow> bar;
  auto boxes = answer_boxes(session, policy, 3s, kFirstWindowTimeout + 30s, [&] {
    if (!started.process->running()) return true;
    auto list = session.windows();
    if (!list) return false;
    bar = list->first_of_class(kBarClass);
    if (bar && started.until_bar == std::chrono::milliseconds{0}) {
      started.until_bar =
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - launched_at);
    }
    return bar && bar->visible;
  });
  if (!boxes) return std::unexpected(boxes.error() + "; " + session.record(record_name).string());
  started.boxes = std::move(*boxes);
  if (!bar) {
    auto status = started.process->exit_status();
    std::ostringstream why;
    why << "slatebar.exe showed no window of class " << kBarClass;
    if (status) why << " and ended with " << *status;
    why << "; " << session.record(record_name).string();
    return std::unexpected(why.str());
  }
  started.bar = *bar;
  return started;
}

}  // namespace

std::expected<Started, std::string> start_in(Session& session, const fs::path& folder, const BoxPolicy& policy) {
  auto started = start_once(session, folder, policy);
  if (!session.last_program() || !session.last_program()->wine_failed()) return started;
  std::fprintf(stderr, "[ RETRY    ] Wine failed under the start (%s); once more with a fresh server\n",
               session.last_program()->errors().c_str());
  if (auto ended = session.end_wine(); !ended) return std::unexpected(ended.error());
  return start_once(session, folder, policy);
}

std::expected<Started, std::string> start(Session& session, std::string_view copy_name, const BoxPolicy& policy) {
  auto folder = fresh_copy(session, copy_name);
  if (!folder) return std::unexpected(folder.error());
  return start_in(session, *folder, policy);
}

std::optional<WinWindow> form(Session& session, std::string_view name) {
  auto list = session.windows();
  if (!list) return std::nullopt;
  for (const WinWindow& w : list->windows) {
    if (w.title == name && w.class_name == "SlatebarForm") return w;
  }
  return std::nullopt;
}

std::optional<WinWindow> titled(Session& session, std::string_view title) {
  auto list = session.windows();
  if (!list) return std::nullopt;
  for (const WinWindow& w : list->windows) {
    if (w.title == title) return w;
  }
  return std::nullopt;
}

std::vector<WinWindow> all_visible_titled(Session& session, std::string_view title) {
  std::vector<WinWindow> out;
  if (auto list = session.windows()) {
    for (const WinWindow& w : list->windows) {
      if (w.visible && w.title == title) out.push_back(w);
    }
  }
  return out;
}

std::optional<WinWindow> visible_titled(Session& session, std::string_view title) {
  auto all = all_visible_titled(session, title);
  if (all.empty()) return std::nullopt;
  return all.front();
}

bool shown(Session& session, std::string_view title) { return visible_titled(session, title).has_value(); }

void drag_lock_screen(Session& session, int distance, int from_bottom, const std::function<void()>& while_held) {
  using namespace std::chrono_literals;
  const ScreenSize size = session.screen();
  const Point from{size.width / 2, size.height - from_bottom};
  session.input().move_to(from);
  std::this_thread::sleep_for(150ms);
  ButtonHold hold(session.input(), Button::Left);
  std::this_thread::sleep_for(150ms);
  for (int i = 1; i <= 20; ++i) {
    session.input().move_to({from.x, from.y - distance * i / 20});
    std::this_thread::sleep_for(30ms);
  }
  std::this_thread::sleep_for(300ms);
  if (while_held) while_held();
}

std::expected<void, std::string> unlock(Session& session) {
  using namespace std::chrono_literals;
  auto shown = [&](std::string_view name) {
    auto w = form(session, name);
    return w && w->visible;
  };
  if (shown("frmLogon")) {
    // Time for the lock screen's first paint and its press handler.
    std::this_thread::sleep_for(500ms);
    // The screen follows once the pointer is above the band, and opens
    // when pushed further than a threshold: both grow with the scale. A
    // person lets go once they see it lifted that far; on a large screen
    // under Wine its repaint can lag the pointer by a few polls.
    drag_lock_screen(session, session.scaled(300), session.scaled(100), [&] {
      wait_until(5s, [&] {
        auto w = form(session, "frmLogon");
        return w && w->rect.y < -session.scaled(128);
      });
    });
  }
  if (!wait_until(10s, [&] { return !shown("frmLogon") && !shown("frmWelcome"); })) {
    return std::unexpected("the lock or welcome screen stayed");
  }
  return {};
}

std::expected<void, std::string> unlock_started(Session& session) {
  using namespace std::chrono_literals;
  if (!wait_until(20s, [&] {
        auto w = form(session, "frmLogon");
        return w && w->visible;
      })) {
    return std::unexpected("no lock screen");
  }
  return unlock(session);
}

std::optional<WinWindow> window_list_form(Session& session) {
  auto list = session.windows();
  if (!list) return std::nullopt;
  for (const WinWindow& w : list->of_class("SlatebarForm")) {
    if (w.title.empty() && w.rect.width == 415 && w.rect.height == 282) return w;
  }
  return std::nullopt;
}

}  // namespace e2e::slatebar
