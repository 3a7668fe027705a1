// A timer component. It fires every interval while enabled, the first
// time one interval after it was enabled; enabling an enabled timer does
// not restart it. It stops when its owner goes.
#pragma once

#include <cstdint>

#include "ui/component.h"

namespace ui {

class Application;

class Timer : public Component {
 public:
  Timer(std::string name, Component* owner);
  ~Timer() override;

  bool enabled() const { return enabled_; }
  void set_enabled(bool on);
  unsigned interval() const { return interval_; }
  // A new interval restarts a running timer, as the platform's timers do.
  void set_interval(unsigned ms);

  NotifyEvent on_timer;
  void tick();

  bool set_property(const DesignProperty& property, DesignContext& context) override;
  bool bind_event(std::string_view event, const Handler& handler) override;
  void loaded() override;

 private:
  void update();
  Application& app();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  bool running_ = false;
  bool loading_ = true;
};

}  // namespace ui
