// Command dispatch of the end-to-end helper; see helper.h.
#include <cstdarg>
#include <cstdio>
#include <span>
#include <string_view>

#include "helper.h"

namespace helper {

void emit(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace helper

namespace {

struct Command {
  std::string_view name;
  int (*run)(std::span<char*>);
};

constexpr Command kCommands[] = {
    {"window", helper::run_window},
    {"list", helper::run_list},
    {"dialog", helper::run_dialog},
    {"close-class", helper::run_close_class},
    {"resources", helper::run_resources},
    {"live", helper::run_live},
    {"msgbox", helper::run_msgbox},
    {"show", helper::run_show},
    {"redraw", helper::run_redraw},
};

int usage() {
  std::fputs(
      "usage: slatebar_helper COMMAND ...\n"
      "  window --class C --title T [--rect X Y W H] [--color RRGGBB]\n"
      "         [--popup] [--owned] [--tool] [--appwindow] [--topmost] [--hidden]\n"
      "         [--layered ALPHA|-1]\n"
      "  list                   every top-level window, in z-order\n"
      "  dialog CAPTION         the child windows of the dialog with that caption\n"
      "  close-class CLASS      post WM_CLOSE to every top-level window of CLASS\n"
      "  resources PID|--class CLASS   GDI and USER object counts and memory\n"
      "  live --class CLASS     the GDI objects and windows the program counts itself\n"
      "  msgbox CAPTION TEXT [ok|yesno]   show a box; the exit code is the answer\n"
      "  show TITLE [off]       show the top-level window of that title, on top, not\n"
      "                         activated (or hide it again with off)\n"
      "  redraw TITLE           invalidate the whole client area of that window\n",
      stderr);
  return helper::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string_view name = argv[1];
  const std::span<char*> rest(argv + 2, static_cast<std::size_t>(argc - 2));
  for (const Command& command : kCommands) {
    if (command.name == name) return command.run(rest);
  }
  return usage();
}
