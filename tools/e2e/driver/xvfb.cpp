#include "driver/xvfb.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cctype>

#include "driver/cleanup_guard.h"
#include "driver/wait.h"

namespace e2e {
namespace {

// The display number, as Xvfb writes it to -displayfd once it listens.
std::optional<std::string> read_display_number(int fd, milliseconds timeout) {
  std::string text;
  const auto deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
    if (poll(&p, 1, static_cast<int>(std::max<long>(left, 1))) <= 0) continue;
    char buffer[32];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
    if (text.find('\n') != std::string::npos) break;
  }
  while (!text.empty() && !std::isdigit(static_cast<unsigned char>(text.back()))) text.pop_back();
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace

std::expected<Xvfb, std::string> Xvfb::start(ScreenSize size, const std::filesystem::path& log_dir) {
  const std::string screen =
      std::to_string(size.width) + "x" + std::to_string(size.height) + "x" + std::to_string(size.depth);
  return serve({"/usr/bin/Xvfb", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"}, size, log_dir / "xvfb.log");
}

std::expected<Xvfb, std::string> Xvfb::serve(std::vector<std::string> argv, ScreenSize size,
                                             const std::filesystem::path& log) {
  cleanup::install();
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return std::unexpected("pipe for -displayfd failed");
  // The write end must survive exec in the child only.
  fcntl(fds[1], F_SETFD, 0);
  const std::string server = argv.front();
  argv.insert(argv.begin() + 1, {"-displayfd", std::to_string(fds[1])});
  SpawnSpec spec;
  spec.argv = std::move(argv);
  spec.env = environment_with({});
  spec.stderr_path = log;
  spec.keep_fd = fds[1];
  spec.parent_death_signal = 15;
  auto process = ChildProcess::spawn(spec);
  close(fds[1]);
  if (!process) {
    close(fds[0]);
    return std::unexpected(process.error());
  }
  cleanup::set_display_server(process->pid());
  const auto number = read_display_number(fds[0], milliseconds{20000});
  close(fds[0]);
  if (!number) return std::unexpected(server + " gave no display number; see " + log.string());
  Xvfb started(std::move(*process), ":" + *number, size);

  const bool accepts = wait_until(milliseconds{20000}, [&] {
    ::Display* d = XOpenDisplay(started.display_.c_str());
    if (d) XCloseDisplay(d);
    return d != nullptr;
  });
  if (!accepts) return std::unexpected(server + " on " + started.display_ + " accepts no connection");
  return started;
}

Point Xvfb::primary_origin() const {
  if (second_ && second_->side == Side::Left) return {second_->size.width, 0};
  return {0, 0};
}

Xvfb::~Xvfb() { stop(); }

void Xvfb::stop() {
  if (process_.pid() > 0 && process_.running()) {
    process_.stop(15, milliseconds{5000});
    cleanup::clear_display_server();
  }
}

}  // namespace e2e
