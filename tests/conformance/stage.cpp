#include "stage.h"

#include <algorithm>

namespace conformance {

class Stage::Sink : public plat::WindowSink {
 public:
  Sink(std::string name, std::vector<std::string>& out) : name_(std::move(name)), out_(out) {}
  void on_paint(plat::Canvas&) override { say("paint"); }
  void on_mouse_down(plat::MouseButton, unsigned, int, int) override { say("down"); }
  void on_mouse_up(plat::MouseButton, unsigned, int, int) override { say("up"); }
  void on_mouse_move(unsigned, int, int) override { say("move"); }
  void on_timer(std::uintptr_t id) override { say("timer " + std::to_string(id)); }
  void on_posted(UINT msg, std::uintptr_t) override { say("posted " + std::to_string(msg)); }

 private:
  void say(const std::string& what) { out_.push_back(name_ + " " + what); }
  std::string name_;
  std::vector<std::string>& out_;
};

Stage::Stage(Desk& desk) : desk_(desk) {}

Stage::~Stage() {
  // Owned windows first, so that no owner goes before what it owns.
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) os().DestroyWindow(*it);
  desk_.run_for(50);
}

HWND Stage::create(const WindowSpec& spec) {
  plat::WindowParams params;
  params.name = spec.name;
  params.caption = spec.name;
  params.style = plat::WS_POPUP;
  params.ex_style = spec.ex_style;
  params.bounds = spec.bounds;
  params.owner = spec.owner;
  auto& sink = sinks_.emplace_back(std::make_unique<Sink>(spec.name, events_));
  const HWND hwnd = os().create_window(params, sink.get());
  names_[hwnd] = spec.name;
  created_.push_back(hwnd);
  return hwnd;
}

HWND Stage::show(const WindowSpec& spec) {
  const HWND hwnd = create(spec);
  os().ShowWindow(hwnd, plat::SW_SHOW);
  desk_.run_for(50);
  return hwnd;
}

void Stage::destroy(HWND hwnd) {
  os().DestroyWindow(hwnd);
  std::erase(created_, hwnd);
}

std::vector<std::string> Stage::z_order() {
  std::vector<std::string> order;
  for (HWND w = os().GetWindow(os().GetDesktopWindow(), plat::GW_CHILD); w; w = os().GetWindow(w, plat::GW_HWNDNEXT)) {
    const auto it = names_.find(w);
    if (it != names_.end() && os().IsWindowVisible(w)) order.push_back(it->second);
  }
  return order;
}

std::string Stage::foreground() {
  const HWND fg = os().GetForegroundWindow();
  if (!fg) return "none";
  const auto it = names_.find(fg);
  return it == names_.end() ? "other" : it->second;
}

bool Stage::topmost(HWND hwnd) {
  return (static_cast<plat::DWORD>(os().GetWindowLongA(hwnd, plat::GWL_EXSTYLE)) & plat::WS_EX_TOPMOST) != 0;
}

int Stage::ticks(HWND hwnd) const {
  const auto it = names_.find(hwnd);
  if (it == names_.end()) return 0;
  const std::string prefix = it->second + " timer ";
  return static_cast<int>(std::ranges::count_if(events_, [&](const std::string& e) { return e.starts_with(prefix); }));
}

}  // namespace conformance
