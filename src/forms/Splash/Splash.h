// The About splash: a borderless stay-on-top window that fades in the
// SPLASH picture with per-pixel alpha, can be dragged by any point, and
// closes and frees itself after its time or on a character key.
#pragma once

#include "ui/form.h"

namespace ui {
class Timer;
}

class TFormSplash : public ui::Form {
 public:
  explicit TFormSplash(ui::Application& app);

  // Decodes, premultiplies, shows and fades in the picture; returns once
  // it is fully shown.
  void ShowSplash();

  void FormClick(ui::Component& Sender);
  void FormClose(ui::Component& Sender, ui::CloseAction& Action);
  void FormKeyPress(ui::Component& Sender, char& Key);
  void TimerSplashTimer(ui::Component& Sender);

  ui::Timer* TimerSplash = nullptr;

 protected:
  // The whole window answers as a caption, so it is dragged by any point.
  std::optional<int> nc_hit_test(int x, int y) override;
};
