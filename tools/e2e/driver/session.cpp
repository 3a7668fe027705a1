#include "driver/session.h"

#include <fstream>
#include <sstream>

#include "driver/cleanup_guard.h"
#include "driver/paths.h"
#include "driver/wait.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

std::string file_name_of(std::string_view label) {
  std::string out;
  for (char c : label) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '_' || c == '.';
    out += plain ? c : '_';
  }
  return out;
}

// The last `lines` lines of a log.
std::string tail(const std::string& text, std::size_t lines) {
  std::size_t at = text.size();
  for (std::size_t n = 0; n < lines; ++n) {
    if (at == 0) return text;
    at = text.rfind('\n', at - 1);
    if (at == std::string::npos) return text;
  }
  return text.substr(at + 1);
}

}  // namespace

std::expected<std::unique_ptr<Session>, std::string> Session::start(const SessionOptions& options) {
  cleanup::install();
  const fs::path work_dir = paths::work_root() / file_name_of(options.group);
  std::error_code error;
  fs::create_directories(work_dir / "logs", error);
  if (error) return std::unexpected("cannot make " + work_dir.string() + ": " + error.message());
  auto xvfb = options.second ? Xvfb::start_desk(options.screen, *options.second, work_dir / "logs")
                             : Xvfb::start(options.screen, work_dir / "logs");
  if (!xvfb) return std::unexpected(xvfb.error());
  auto x = XConnection::open(xvfb->display_name());
  if (!x) return std::unexpected(x.error());
  x->set_windows_origin(xvfb->primary_origin());
  auto prefix = WinePrefix::open(paths::prefix_dir(), xvfb->display_name(), work_dir / "logs");
  if (!prefix) return std::unexpected(prefix.error());
  return std::make_unique<Session>(Key{}, std::move(*xvfb), std::move(*x), std::move(*prefix), work_dir);
}

Session::Session(Key, Xvfb xvfb, XConnection x, WinePrefix prefix, fs::path work_dir)
    : xvfb_(std::move(xvfb)), x_(std::move(x)), input_(*x_), prefix_(std::move(prefix)), work_dir_(std::move(work_dir)) {
  // The pointer starts in the middle, away from every screen edge that the
  // program reacts to.
  input_.move_to({screen().width / 2, screen().height / 2});
}

Session::~Session() {
  end_programs();
  prefix_.reset();  // stops the server, lets go of the prefix
  x_.reset();
  xvfb_.stop();
}

void Session::end_programs() {
  for (auto it = programs_.rbegin(); it != programs_.rend(); ++it) {
    if ((*it)->running()) (*it)->kill();
  }
}

std::expected<void, std::string> Session::use_locale(std::string locale) {
  if (auto ended = end_wine(); !ended) return ended;
  prefix_->set_locale(std::move(locale));
  return {};
}

std::expected<void, std::string> Session::use_dpi(int dpi) {
  if (auto ended = end_wine(); !ended) return ended;
  auto set = prefix_->set_dpi(dpi, display(), work_dir_ / "logs");
  if (set) dpi_ = dpi;
  return set;
}

std::expected<std::reference_wrapper<WineProcess>, std::string> Session::launch(const fs::path& exe,
                                                                                const std::vector<std::string>& args,
                                                                                const fs::path& cwd) {
  if (!fs::exists(exe)) return std::unexpected("no such program: " + exe.string());
  const std::string name = exe.stem().string() + "-" + std::to_string(++launches_);
  const fs::path folder = cwd.empty() ? exe.parent_path() : cwd;
  auto child = ChildProcess::spawn(prefix_->spec(exe, args, display(), folder, work_dir_ / "logs" / name));
  if (!child) return std::unexpected(child.error());
  programs_.push_back(std::make_unique<WineProcess>(std::move(*child), name));
  return std::ref(*programs_.back());
}

std::expected<void, std::string> Session::end_wine() {
  end_programs();
  first_of_run_ = programs_.size();
  return prefix_->stop_server();
}

std::expected<std::string, std::string> Session::run_helper(const std::vector<std::string>& args,
                                                            std::chrono::milliseconds timeout) {
  const fs::path helper = paths::helper_exe();
  if (!fs::exists(helper)) return std::unexpected("no helper exe at " + helper.string());
  auto child = ChildProcess::spawn(prefix_->spec(helper, args, display(), work_dir_, work_dir_ / "logs" / "helper-query"));
  if (!child) return std::unexpected(child.error());
  const auto status = child->wait_for(timeout);
  if (!status) return std::unexpected("helper " + args.front() + " did not finish");
  // Exit code 1 means "not found", which the caller reads from the output.
  if (!status->exited_with(0) && !status->exited_with(1)) {
    std::ostringstream why;
    why << "helper " << args.front() << " ended with " << *status << ": " << read_file(child->stderr_path());
    return std::unexpected(why.str());
  }
  return child->output();
}

std::expected<WindowList, std::string> Session::windows() {
  auto out = run_helper({"list"});
  if (!out) return std::unexpected(out.error());
  return parse_window_list(*out);
}

std::expected<std::vector<Dialog>, std::string> Session::dialogs(std::string_view caption) {
  std::vector<std::string> args = {"dialog"};
  if (!caption.empty()) args.emplace_back(caption);
  auto out = run_helper(args);
  if (!out) return std::unexpected(out.error());
  return parse_dialogs(*out);
}

std::expected<int, std::string> Session::close_class(std::string_view class_name) {
  auto out = run_helper({"close-class", std::string(class_name)});
  if (!out) return std::unexpected(out.error());
  for (std::string_view line : split_lines(*out)) {
    const auto f = split_tabs(line);
    if (f.size() == 2 && f[0] == "posted") return std::stoi(std::string(f[1]));
  }
  return std::unexpected("helper close-class said nothing");
}

std::expected<Resources, std::string> Session::resources_of_class(std::string_view class_name) {
  auto out = run_helper({"resources", "--class", std::string(class_name)});
  if (!out) return std::unexpected(out.error());
  return parse_resources(*out);
}

std::expected<LiveObjects, std::string> Session::live_objects_of_class(std::string_view class_name) {
  auto out = run_helper({"live", "--class", std::string(class_name)});
  if (!out) return std::unexpected(out.error());
  return parse_live_objects(*out);
}

std::expected<HelperWindow, std::string> Session::open_window(const WindowSpec& spec) {
  auto launched = launch(paths::helper_exe(), spec.arguments(), work_dir_);
  if (!launched) return std::unexpected(launched.error());
  WineProcess& process = *launched;
  std::optional<HelperWindow> window;
  wait_until(kFirstWindowTimeout, [&] {
    const std::string output = process.output();
    for (std::string_view line : split_lines(output)) {
      const auto f = split_tabs(line);
      if (f.size() >= 3 && f[0] == "ready") {
        window.emplace(process, std::stoull(std::string(f[1]), nullptr, 16), std::stoull(std::string(f[2]), nullptr, 16));
        return true;
      }
    }
    return !process.running();
  });
  if (!window) {
    const fs::path shot = record("helper-window-miss");
    return std::unexpected("the helper window \"" + spec.title + "\" did not come up (it wrote \"" + process.output() +
                           "\"); see " + shot.string());
  }
  const bool shows = !spec.hidden && !(spec.layered_alpha && *spec.layered_alpha < 0);
  if (shows) {
    const bool mapped = wait_until(10s, [&] {
      auto w = x_window(window->xid());
      return w && w->mapped;
    });
    if (!mapped) return std::unexpected("the helper window \"" + spec.title + "\" is not mapped");
  }
  return *window;
}

std::expected<WinWindow, std::string> Session::wait_for_window(std::string_view class_name,
                                                               std::chrono::milliseconds timeout,
                                                               const std::function<bool(const WinWindow&)>& test) {
  std::string last_error;
  auto found = wait_until(
      timeout,
      [&]() -> std::optional<WinWindow> {
        auto list = windows();
        if (!list) {
          last_error = list.error();
          return std::nullopt;
        }
        for (const WinWindow& w : list->of_class(class_name)) {
          if (test(w)) return w;
        }
        return std::nullopt;
      },
      100ms);
  if (found) return *found;
  const fs::path shot = record("window-miss-" + std::string(class_name));
  return std::unexpected("no window of class \"" + std::string(class_name) + "\" as expected within " +
                         std::to_string(timeout.count()) + " ms" + (last_error.empty() ? "" : " (" + last_error + ")") +
                         "; screen and window lists in " + shot.parent_path().string());
}

std::optional<XWindowInfo> Session::x_window(std::uint64_t xid) const {
  if (xid == 0) return std::nullopt;
  return x_window_info(*x_, static_cast<XWindow>(xid));
}

fs::path Session::record(std::string_view label) {
  const fs::path dir = paths::failures_dir();
  std::error_code ignored;
  fs::create_directories(dir, ignored);
  const std::string stem = file_name_of(label);
  const fs::path png = dir / (stem + ".png");
  std::ofstream text(dir / (stem + ".txt"));
  if (auto shot = screenshot()) {
    if (auto written = shot->write_png(png); !written) text << written.error() << '\n';
  } else {
    text << shot.error() << '\n';
  }
  text << "== X windows, topmost first\n" << describe(x_windows());
  text << "== Windows windows, topmost first\n";
  if (auto list = windows()) {
    text << "foreground 0x" << std::hex << list->foreground << std::dec << '\n';
    for (const WinWindow& w : list->windows) text << w << '\n';
  } else {
    text << list.error() << '\n';
  }
  if (auto boxes = dialogs(); boxes) {
    for (const Dialog& d : *boxes) text << d << '\n';
  }
  for (std::size_t i = first_of_run_; i < programs_.size(); ++i) {
    const auto& program = programs_[i];
    text << "== " << program->name() << " (pid " << program->pid() << ")";
    if (auto status = program->exit_status()) text << ' ' << *status;
    text << '\n' << tail(program->errors(), 40);
  }
  return png;
}

}  // namespace e2e
