#include "ui/timer.h"

#include "ui/application.h"
#include "ui/design_context.h"
#include "ui/form.h"

namespace ui {

Timer::Timer(std::string name, Component* owner) : Component(std::move(name), owner) {}

Timer::~Timer() {
  if (running_) app().stop_timer(this);
}

Application& Timer::app() { return form()->application(); }

void Timer::set_enabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  update();
}

void Timer::set_interval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (running_) {
    app().stop_timer(this);
    running_ = false;
  }
  update();
}

void Timer::update() {
  if (loading_) return;
  bool should_run = enabled_ && interval_ > 0 && on_timer;
  if (should_run && !running_) {
    app().start_timer(this, interval_);
    running_ = true;
  } else if (!should_run && running_) {
    app().stop_timer(this);
    running_ = false;
  }
}

void Timer::tick() {
  if (!enabled_ || !on_timer) return;
  app().guard([&] { on_timer(*this); });
}

void Timer::loaded() {
  loading_ = false;
  update();
}

bool Timer::set_property(const DesignProperty& p, DesignContext& ctx) {
  if (p.key == "interval") {
    auto v = ctx.integer(p);
    if (v < 0) ctx.fail(p, "cannot be negative");
    interval_ = static_cast<unsigned>(v);
    return true;
  }
  if (p.key == "enabled") {
    enabled_ = ctx.boolean(p);
    return true;
  }
  return Component::set_property(p, ctx);
}

bool Timer::bind_event(std::string_view event, const Handler& h) {
  if (event == "OnTimer") return take_handler(h, on_timer);
  return Component::bind_event(event, h);
}

}  // namespace ui
