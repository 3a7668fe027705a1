#include "driver/helper_window.h"

#include <charconv>
#include <cstdio>

#include "driver/wait.h"
#include "driver/windows_side.h"

namespace e2e {

WindowSpec WindowSpec::of(std::string class_name, std::string title) {
  WindowSpec spec;
  spec.class_name = std::move(class_name);
  spec.title = std::move(title);
  return spec;
}

std::vector<std::string> WindowSpec::arguments() const {
  char colour[8];
  std::snprintf(colour, sizeof colour, "%02X%02X%02X", color.r, color.g, color.b);
  std::vector<std::string> args = {"window", "--class", class_name, "--title", title, "--rect",
                                   std::to_string(rect.x), std::to_string(rect.y), std::to_string(rect.width),
                                   std::to_string(rect.height), "--color", colour};
  if (popup) args.push_back("--popup");
  if (owned) args.push_back("--owned");
  if (tool_window) args.push_back("--tool");
  if (app_window) args.push_back("--appwindow");
  if (topmost) args.push_back("--topmost");
  if (hidden) args.push_back("--hidden");
  if (layered_alpha) {
    args.push_back("--layered");
    args.push_back(std::to_string(*layered_alpha));
  }
  return args;
}

std::vector<HelperEvent> HelperWindow::events() const {
  std::vector<HelperEvent> out;
  const std::string output = process_->output();
  for (std::string_view line : split_lines(output)) {
    const auto fields = split_tabs(line);
    if (fields[0] == "closed") {
      out.push_back({"closed", {}});
    } else if (fields[0] == "event" && fields.size() >= 2) {
      HelperEvent event{std::string(fields[1]), {}};
      for (std::size_t i = 2; i < fields.size(); ++i) {
        int value = 0;
        std::from_chars(fields[i].data(), fields[i].data() + fields[i].size(), value);
        event.values.push_back(value);
      }
      out.push_back(std::move(event));
    }
  }
  return out;
}

std::size_t HelperWindow::count(std::string_view kind) const {
  std::size_t n = 0;
  for (const HelperEvent& e : events()) n += e.kind == kind ? 1 : 0;
  return n;
}

std::optional<HelperEvent> HelperWindow::wait_event(std::string_view kind, std::chrono::milliseconds timeout,
                                                    std::size_t seen) const {
  return wait_until(timeout, [&]() -> std::optional<HelperEvent> {
    std::size_t n = 0;
    for (HelperEvent& e : events()) {
      if (e.kind == kind && n++ == seen) return std::move(e);
    }
    return std::nullopt;
  });
}

}  // namespace e2e
