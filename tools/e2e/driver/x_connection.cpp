#include "driver/x_connection.h"

#include <X11/Xlib.h>

#include <atomic>

namespace e2e {
namespace {

std::atomic<int> g_ignored{0};

int count_and_ignore(::Display*, XErrorEvent*) {
  ++g_ignored;
  return 0;
}

}  // namespace

void XConnection::Closer::operator()(_XDisplay* display) const { XCloseDisplay(display); }

XWindow XConnection::root() const { return DefaultRootWindow(display_.get()); }
void XConnection::sync() const { XSync(display_.get(), False); }
XAtom XConnection::atom(const char* name) const { return XInternAtom(display_.get(), name, False); }

std::expected<XConnection, std::string> XConnection::open(const std::string& display_name) {
  XSetErrorHandler(count_and_ignore);
  ::Display* display = XOpenDisplay(display_name.c_str());
  if (!display) return std::unexpected("cannot open X display " + display_name);
  return XConnection(display);
}

ScreenSize XConnection::screen_size() const {
  ::Display* d = display_.get();
  const int screen = DefaultScreen(d);
  return {DisplayWidth(d, screen), DisplayHeight(d, screen), DefaultDepth(d, screen)};
}

int XConnection::ignored_errors() { return g_ignored; }

}  // namespace e2e
