// A desk of two monitors side by side: Xorg with the dummy video driver,
// whose sixteen outputs xrandr switches on (Xvfb has one, and Xinerama
// over Xvfb's screens puts both heads at 0,0, where Wine sees one
// monitor). Wine asks X only for the current resources, so the outputs are
// queried once more after the last change before anything starts.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string_view>

#include "driver/xvfb.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Input devices off: the harness's pointer and keys are XTest's, and the
// machine's own devices must not reach the desk.
std::string config(ScreenSize primary, ScreenSize second) {
  std::ostringstream out;
  out << "Section \"ServerFlags\"\n"
         "  Option \"AutoAddDevices\" \"false\"\n"
         "  Option \"AutoEnableDevices\" \"false\"\n"
         "  Option \"DontVTSwitch\" \"true\"\n"
         "EndSection\n"
         "Section \"Device\"\n"
         "  Identifier \"dummy\"\n"
         "  Driver \"dummy\"\n"
         "  VideoRam 256000\n"
         "EndSection\n"
         "Section \"Monitor\"\n"
         "  Identifier \"monitor\"\n"
         "  HorizSync 5.0-1000.0\n"
         "  VertRefresh 5.0-200.0\n"
         "EndSection\n"
         "Section \"Screen\"\n"
         "  Identifier \"screen\"\n"
         "  Device \"dummy\"\n"
         "  Monitor \"monitor\"\n"
         "  DefaultDepth "
      << primary.depth
      << "\n"
         "  SubSection \"Display\"\n"
         "    Depth "
      << primary.depth << "\n    Virtual " << primary.width + second.width << " "
      << std::max(primary.height, second.height)
      << "\n"
         "  EndSubSection\n"
         "EndSection\n";
  return out.str();
}

std::string mode_name(ScreenSize size) {
  return "slatebar-" + std::to_string(size.width) + "x" + std::to_string(size.height);
}

// A 60 Hz mode of this size with short blanking, which the dummy driver
// takes as it is: only the clock and the totals have to agree.
std::vector<std::string> new_mode(ScreenSize size) {
  const int w = size.width, h = size.height;
  char clock[32];
  std::snprintf(clock, sizeof clock, "%.2f", (w + 24) * static_cast<double>(h + 3) * 60 / 1e6);
  std::vector<std::string> args = {"--newmode", mode_name(size), clock};
  for (int v : {w, w + 8, w + 16, w + 24, h, h + 1, h + 2, h + 3}) args.push_back(std::to_string(v));
  return args;
}

std::expected<std::string, std::string> xrandr(const std::string& display, std::vector<std::string> args,
                                               const fs::path& log_dir) {
  args.insert(args.begin(), "/usr/bin/xrandr");
  SpawnSpec spec;
  spec.env = environment_with({"DISPLAY=" + display});
  spec.stdout_path = log_dir / "xrandr.out";
  spec.stderr_path = log_dir / "xrandr.err";
  std::string line;
  for (const std::string& a : args) line += a + " ";
  spec.argv = std::move(args);
  auto child = ChildProcess::spawn(spec);
  if (!child) return std::unexpected(child.error());
  const auto status = child->wait_for(std::chrono::seconds{20});
  if (!status || !status->exited_with(0)) {
    return std::unexpected(line + "failed: " + read_file(spec.stderr_path));
  }
  return child->output();
}

// "DUMMY1 connected 1280x720+1024+0" as xrandr lists an output in use.
std::string listed(std::string_view output, ScreenSize size, Point at) {
  return std::string(output) + " connected " + (output == "DUMMY0" ? "primary " : "") + std::to_string(size.width) +
         "x" + std::to_string(size.height) + "+" + std::to_string(at.x) + "+" + std::to_string(at.y);
}

}  // namespace

std::expected<Xvfb, std::string> Xvfb::start_desk(ScreenSize primary, SecondMonitor second,
                                                  const fs::path& log_dir) {
  const fs::path conf = log_dir / "xorg-desk.conf";
  {
    std::ofstream out(conf);
    out << config(primary, second.size);
    if (!out) return std::unexpected("cannot write " + conf.string());
  }
  // The server itself rather than the wrapper in /usr/bin, which asks for
  // a console that a test machine does not have.
  auto started = serve({"/usr/lib/xorg/Xorg", "-config", conf.string(), "-noreset", "-nolisten", "tcp", "-logfile",
                        (log_dir / "xorg.log").string(), "-novtswitch", "-sharevts"},
                       primary, log_dir / "xorg.stderr");
  if (!started) return started;
  started->second_ = second;

  const std::string& d = started->display_;
  std::vector<std::vector<std::string>> steps = {new_mode(primary)};
  if (!(second.size == primary)) steps.push_back(new_mode(second.size));
  steps.push_back({"--addmode", "DUMMY0", mode_name(primary)});
  steps.push_back({"--addmode", "DUMMY1", mode_name(second.size)});
  steps.push_back({"--output", "DUMMY0", "--mode", mode_name(primary), "--primary"});
  steps.push_back({"--output", "DUMMY1", "--mode", mode_name(second.size),
                   second.side == Side::Right ? "--right-of" : "--left-of", "DUMMY0"});
  for (const auto& step : steps) {
    if (auto done = xrandr(d, step, log_dir); !done) return std::unexpected(done.error());
  }
  auto outputs = xrandr(d, {}, log_dir);
  if (!outputs) return std::unexpected(outputs.error());
  const Point origin = started->primary_origin();
  const Point second_at = second.side == Side::Right ? Point{primary.width, 0} : Point{0, 0};
  for (const std::string& want : {listed("DUMMY0", primary, origin), listed("DUMMY1", second.size, second_at)}) {
    if (outputs->find(want) == std::string::npos) {
      return std::unexpected("xrandr does not list \"" + want + "\":\n" + *outputs);
    }
  }
  return started;
}

}  // namespace e2e
