#include "ui/timer.h"

#include "ui/application.h"
#include "ui/design_context.h"
#include "ui/form.h"

namespace ui {

Timer::Timer(std::string name, Component* owner) : Component(std::move(name), owner) {}

Timer::~Timer() {
  if (id_) app().stop_timer(id_);
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
  if (id_) {
    app().stop_timer(id_);
    id_ = 0;
  }
  update();
}

void Timer::update() {
  if (loading_) return;
  bool should_run = enabled_ && interval_ > 0 && on_timer;
  if (should_run && !id_) {
    id_ = app().start_timer(this, interval_);
  } else if (!should_run && id_) {
    app().stop_timer(id_);
    id_ = 0;
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
