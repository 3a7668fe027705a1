// The program as shipped, with every paint timed: the benchmark's own
// build of the exe, never copied into dist/. With SLATEBAR_PAINT_LOG naming
// a file, each paint appends the window's title, its client size, the
// paint's duration in microseconds (the drawing and the copy to the
// screen), the painted size there and the copy's own duration, so that the
// drawing can be weighed against a plain blit of the same pixels. The product reads no variable; this
// build exists so that it need not.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/run.h"
#include "platform/win32/win32_headers.h"
#include "platform/win32/program_host.h"
#include "platform/win32/window_proc.h"

namespace {

class PaintLog final : public win32::PaintObserver {
 public:
  explicit PaintLog(const char* path) : file_(std::fopen(path, "a")) {
    ::LARGE_INTEGER f{};
    ::QueryPerformanceFrequency(&f);
    frequency_ = f.QuadPart > 0 ? f.QuadPart : 1;
  }
  bool open() const { return file_ != nullptr; }

  void painted(HWND hwnd, const ::RECT& painted, LONGLONG ticks, LONGLONG copy_ticks) override {
    char title[64] = "";
    ::GetWindowTextA(hwnd, title, sizeof title);
    ::RECT client{};
    ::GetClientRect(hwnd, &client);
    std::fprintf(file_.get(), "paint\t%s\t%ldx%ld\t%.1f\t%ldx%ld\t%.1f\n", title, client.right - client.left,
                 client.bottom - client.top, us(ticks), painted.right - painted.left, painted.bottom - painted.top,
                 us(copy_ticks));
    std::fflush(file_.get());
  }

 private:
  double us(LONGLONG ticks) const { return static_cast<double>(ticks) * 1e6 / static_cast<double>(frequency_); }
  struct Close {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Close> file_;
  LONGLONG frequency_ = 1;
};

// The log is opened once the backend has restricted the library search.
int run_timed() {
  std::unique_ptr<PaintLog> log;
  if (const char* path = std::getenv("SLATEBAR_PAINT_LOG"); path && *path) {
    log = std::make_unique<PaintLog>(path);
    if (log->open()) win32::set_paint_observer(log.get());
  }
  const int exit_code = app::run();
  win32::set_paint_observer(nullptr);
  return exit_code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return win32::host_program(&run_timed); }
