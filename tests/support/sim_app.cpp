#include "support/sim_app.h"

#include <filesystem>

#include "app/form_registry.h"
#include "bmp_writer/bmp_writer.h"
#include "ui/exe_folder.h"

namespace support {

void copy_source_file(sim::Desktop& desktop, const std::string& source_relative, const std::string& sim_path) {
  desktop.files().load_host_file(sim_path, std::filesystem::path(SLATEBAR_SOURCE_DIR) / source_relative);
}

std::vector<std::uint8_t> tiny_bitmap(int width, int height, std::uint32_t rgb) {
  return bmp_writer::rgb_bitmap(width, height, [rgb](int, int) { return rgb; });
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
  app = make_application();
}

SimApp::~SimApp() {
  app.reset();
  compositor.reset();
}

std::unique_ptr<ui::Application> SimApp::make_application() {
  auto made = std::make_unique<ui::Application>();
  made->set_cloaked_test([this](plat::HWND w) { return compositor_access.IsWindowCloaked(w); });
  return made;
}

void SimApp::restart() {
  app.reset();
  app = make_application();
}

std::string SimApp::exe_folder() const { return ui::folder_of(desktop.services().exe_path()); }

void SimApp::create_all_forms() { app::create_forms(*app); }

}  // namespace support
