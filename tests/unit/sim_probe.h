// A window sink for the simulated desktop's own tests: it writes every
// event it gets into a shared list, so that a test compares the order of
// events across windows with a table.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sim_test {

inline std::string button_name(plat::MouseButton b) {
  return b == plat::MouseButton::Left ? "L" : b == plat::MouseButton::Right ? "R" : "M";
}

class Probe : public plat::WindowSink {
 public:
  Probe(std::string name, std::vector<std::string>& out) : name_(std::move(name)), out_(out) {}

  void on_paint(plat::Canvas&) override { say("paint"); }
  void on_mouse_down(plat::MouseButton b, unsigned, int x, int y) override { say("down " + button_name(b), x, y); }
  void on_mouse_up(plat::MouseButton b, unsigned, int x, int y) override { say("up " + button_name(b), x, y); }
  void on_mouse_move(unsigned, int x, int y) override { say("move", x, y); }
  void on_key_char(char ch) override { say(std::string("char ") + ch); }
  void on_capture_lost() override { say("capture lost"); }
  void on_timer(std::uintptr_t id) override {
    say("timer " + std::to_string(id));
    if (timer_hook) timer_hook(id);
  }
  void on_activate_app(bool active) override { say(active ? "activate app" : "deactivate app"); }
  void on_posted(plat::UINT msg, std::uintptr_t) override { say("posted " + std::to_string(msg)); }
  std::optional<int> on_nc_hit_test(int, int) override { return hit_test; }

  std::function<void(std::uintptr_t)> timer_hook;
  std::optional<int> hit_test;

 private:
  void say(const std::string& what) { out_.push_back(name_ + " " + what); }
  void say(const std::string& what, int x, int y) {
    say(what + " " + std::to_string(x) + "," + std::to_string(y));
  }
  std::string name_;
  std::vector<std::string>& out_;
};

}  // namespace sim_test
