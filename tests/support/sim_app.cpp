#include "support/sim_app.h"

#include <filesystem>

#include "app/form_registry.h"
#include "forms/Logon/Logon.h"
#include "forms/appPicture/appPicture.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/clock/clock.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/settings/settings.h"
#include "forms/welcome/welcome.h"
#include "platform/DwmApi/DwmApi.h"
#include "ui/exe_folder.h"

namespace support {

void copy_source_file(sim::Desktop& desktop, const std::string& source_relative, const std::string& sim_path) {
  desktop.files().load_host_file(sim_path, std::filesystem::path(SLATEBAR_SOURCE_DIR) / source_relative);
}

std::vector<std::uint8_t> tiny_bitmap(int width, int height, std::uint32_t rgb) {
  const int row = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixels = static_cast<std::uint32_t>(row * height);
  std::vector<std::uint8_t> b(54 + pixels, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<std::uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  put32(34, pixels);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::size_t at = 54 + static_cast<std::size_t>(y) * row + x * 3;
      b[at] = rgb & 0xFF;
      b[at + 1] = (rgb >> 8) & 0xFF;
      b[at + 2] = (rgb >> 16) & 0xFF;
    }
  }
  return b;
}

SimApp::SimApp(SimAppOptions options) {
  desktop.set_screen_size(options.screen_width, options.screen_height);
  desktop.set_dpi(options.dpi);
  desktop.install();
  if (options.ship_pictures) {
    for (const char* name : {"logon.jpg", "O.png", "Chat.png", "Mail.png"}) {
      copy_source_file(desktop, std::string("resources/pics/") + name, exe_folder() + "pics\\" + name);
    }
    copy_source_file(desktop, "resources/menu/index.htm", exe_folder() + "menu\\index.htm");
  }
  if (options.compositor) compositor = std::make_unique<sim::Compositor>(desktop);
  app = std::make_unique<ui::Application>();
}

SimApp::~SimApp() {
  app.reset();
  compositor.reset();
  reset_program_state();
}

std::string SimApp::exe_folder() const { return ui::folder_of(desktop.services().exe_path()); }

void SimApp::create_all_forms() { app::create_forms(*app); }

void reset_program_state() {
  frmMenu = nullptr;
  frmClock = nullptr;
  frmAppSwitcher = nullptr;
  frmAppPicture = nullptr;
  frmLogon = nullptr;
  frmFrameWork = nullptr;
  frmSetting = nullptr;
  frmWelcome = nullptr;
  appPicture::WindowHandles.clear();
  appPicture::ThumbnailShown = false;
  appPicture::ThumbnailId = 0;
  appswitcher::SwitcherDragging = false;
  DwmApi::finalize();
}

}  // namespace support
