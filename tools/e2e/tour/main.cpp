// slatebar_tour: runs the guided tour on a virtual display of its own and
// prints the paths of the screenshots it wrote.
//   slatebar_tour [--out DIR] [--size WIDTHxHEIGHT]
// Defaults: <repo>/tour, 1366x768. Exit code 0 when every step ran.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "driver/paths.h"
#include "driver/slatebar.h"
#include "tour.h"

int main(int argc, char** argv) {
  std::filesystem::path out_dir = e2e::paths::source_dir() / "tour";
  e2e::ScreenSize size{1366, 768, 24};
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--out" && i + 1 < argc) {
      out_dir = argv[++i];
    } else if (arg == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &size.width, &size.height) != 2) {
        std::fprintf(stderr, "tour: --size wants WIDTHxHEIGHT\n");
        return 2;
      }
    } else {
      std::fprintf(stderr, "usage: slatebar_tour [--out DIR] [--size WIDTHxHEIGHT]\n");
      return 2;
    }
  }
  if (auto reason = e2e::slatebar::unavailable()) {
    std::fprintf(stderr, "tour: cannot run: %s\n", reason->c_str());
    return 1;
  }
  std::error_code error;
  std::filesystem::create_directories(out_dir, error);
  if (error) {
    std::fprintf(stderr, "tour: cannot make %s: %s\n", out_dir.c_str(), error.message().c_str());
    return 1;
  }

  auto session = e2e::Session::start({.group = "tour", .screen = size, .second = {}});
  if (!session) {
    std::fprintf(stderr, "tour: %s\n", session.error().c_str());
    return 1;
  }
  tour::Context context{**session, out_dir, {}, {}};
  int status = 0;
  for (const tour::Step& step : tour::steps()) {
    std::fprintf(stderr, "tour: %s\n", std::string(step.what).c_str());
    if (auto ran = step.run(context); !ran) {
      std::fprintf(stderr, "tour: step %s failed: %s\n", std::string(step.name).c_str(), ran.error().c_str());
      const auto record = (*session)->record("tour-" + std::string(step.name));
      std::fprintf(stderr, "tour: the screen then is in %s\n", record.c_str());
      status = 1;
      break;
    }
  }
  for (const auto& shot : context.shots) std::printf("%s\n", shot.c_str());
  return status;
}
