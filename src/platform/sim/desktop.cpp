#include "platform/sim/desktop.h"

#include <stdexcept>

namespace sim {
namespace {

Desktop* newest = nullptr;

}  // namespace

Desktop::Desktop(std::filesystem::path resource_folder)
    : resources_(std::move(resource_folder)), browsers_(std::make_shared<BrowserRegistry>()) {
  browsers_->log = &log_;
  pointer_ = {screen_width_ / 2, screen_height_ / 2};
  previous_current_ = newest;
  newest = this;
}

Desktop::~Desktop() {
  browsers_->log = nullptr;
  if (installed_) plat::set_os(nullptr);
  if (newest == this) newest = previous_current_;
}

Desktop* Desktop::current() { return newest; }

void Desktop::install() {
  plat::set_os(&recorder_);
  installed_ = true;
}

std::optional<int> Desktop::exit_code() const {
  if (!queue_.quit_posted()) return std::nullopt;
  return queue_.exit_code();
}

void Desktop::set_screen_size(int width, int height) {
  screen_width_ = width;
  screen_height_ = height;
  monitors_.front().rect = {0, 0, width, height};
  pointer_ = clamp_to_desk(monitors_, pointer_);
}

void Desktop::set_monitors(std::vector<Monitor> monitors) {
  if (monitors.empty() || monitors.front().rect.left != 0 || monitors.front().rect.top != 0) {
    throw std::invalid_argument("the primary monitor comes first, at the origin");
  }
  for (const Monitor& m : monitors) {
    if (m.rect.right <= m.rect.left || m.rect.bottom <= m.rect.top) throw std::invalid_argument("an empty monitor");
  }
  monitors_ = std::move(monitors);
  screen_width_ = monitors_.front().rect.right;
  screen_height_ = monitors_.front().rect.bottom;
  pointer_ = clamp_to_desk(monitors_, pointer_);
}

void Desktop::change_display(std::vector<Monitor> monitors) {
  set_monitors(std::move(monitors));
  // Sent, not posted: each window has handled it when the change is done.
  for (HWND h : z_order()) {
    Window* w = find(h);
    if (w && w->top_level() && w->ours() && w->sink) w->sink->on_display_change();
  }
}

const Window& Desktop::window(HWND hwnd) const {
  const Window* w = find(hwnd);
  if (!w) throw std::out_of_range("no window " + hex32(static_cast<std::uint32_t>(hwnd)));
  return *w;
}

std::string Desktop::name_of(HWND hwnd) const {
  if (hwnd == 0) return "0";
  if (hwnd == kDesktopWindow) return "desktop";
  if (const Window* w = find(hwnd)) return w->name;
  return hex32(static_cast<std::uint32_t>(hwnd));
}

std::vector<HWND> Desktop::z_order(Windows which) const {
  std::vector<HWND> out;
  for (HWND h : z_.order()) {
    const Window* w = find(h);
    if (which == Windows::All || (w && w->visible())) out.push_back(h);
  }
  return out;
}

std::vector<std::string> Desktop::z_order_names(Windows which) const {
  std::vector<std::string> out;
  for (HWND h : z_order(which)) out.push_back(name_of(h));
  return out;
}

HWND Desktop::add_foreign_window(const ForeignWindow& params) {
  Window w;
  w.name = !params.name.empty() ? params.name : !params.title.empty() ? params.title : params.class_name;
  w.class_name = params.class_name;
  w.title = params.title;
  w.style = (params.style & ~plat::WS_VISIBLE) | (params.visible ? plat::WS_VISIBLE : 0);
  w.ex_style = params.ex_style;
  w.bounds = params.bounds;
  w.owner = params.owner;
  w.process = params.process;
  Window& added = windows_.add(std::move(w));
  z_.insert(added.hwnd, added.topmost());
  return added.hwnd;
}

void Desktop::close_foreign_window(HWND hwnd) {
  const Window* w = find(hwnd);
  if (!w || w->ours()) throw std::invalid_argument("not a foreign window: " + name_of(hwnd));
  wm_.destroy_tree(hwnd);
}

}  // namespace sim
