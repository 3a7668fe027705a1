// A simulated desktop with the program's application object on it, for
// scenario tests: the desktop is installed as the platform, the program's
// folder holds its pictures and start page as the distributable does, and
// the program owns its compositor access as the entry's run does.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "compositor/DwmApi.h"
#include "platform/sim/compositor.h"
#include "platform/sim/desktop.h"
#include "ui/application.h"

namespace support {

struct SimAppOptions {
  int screen_width = 1024;
  int screen_height = 768;
  int dpi = 96;  // the desktop's scale; 144 is 150 %
  // Copy the shipped pics/ and menu/ beside the simulated exe.
  bool ship_pictures = true;
  // A system whose compositor library exists and has composition on.
  bool compositor = true;
};

class SimApp {
 public:
  explicit SimApp(SimAppOptions options = {});
  ~SimApp();
  SimApp(const SimApp&) = delete;
  SimApp& operator=(const SimApp&) = delete;

  sim::Desktop desktop;
  std::unique_ptr<sim::Compositor> compositor;  // none when options.compositor is false
  DwmApi::CompositorAccess compositor_access;
  std::unique_ptr<ui::Application> app;

  // The program's folder, with its trailing separator.
  std::string exe_folder() const;
  // Creates the eight forms in registry order, as the entry does.
  void create_all_forms();
  // Ends the application and makes a fresh one, as a second start of the
  // program on the same desktop would.
  void restart();

 private:
  std::unique_ptr<ui::Application> make_application();
};

// A valid 24-bit bottom-up Windows bitmap file of the given size.
std::vector<std::uint8_t> tiny_bitmap(int width, int height, std::uint32_t rgb = 0x00808080);

// Copies a file of the source tree into the simulated file system.
void copy_source_file(sim::Desktop& desktop, const std::string& source_relative, const std::string& sim_path);

}  // namespace support
