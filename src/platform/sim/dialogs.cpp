#include "platform/sim/dialogs.h"

namespace sim {

void Dialogs::answer_boxes(std::initializer_list<int> answers) {
  for (int a : answers) box_scripts_.push_back(BoxScript{a, std::nullopt, {}});
}

void Dialogs::script_box(BoxScript script) { box_scripts_.push_back(std::move(script)); }

void Dialogs::choose_in_menus(std::initializer_list<std::optional<std::size_t>> choices) {
  for (const auto& c : choices) menu_scripts_.push_back(MenuScript{c, std::nullopt, {}});
}

void Dialogs::script_menu(MenuScript script) { menu_scripts_.push_back(std::move(script)); }

void Dialogs::clear_records() {
  boxes_.clear();
  menus_.clear();
}

BoxScript Dialogs::next_box() {
  if (box_scripts_.empty()) return {};
  BoxScript s = std::move(box_scripts_.front());
  box_scripts_.pop_front();
  return s;
}

MenuScript Dialogs::next_menu() {
  if (menu_scripts_.empty()) return {};
  MenuScript s = std::move(menu_scripts_.front());
  menu_scripts_.pop_front();
  return s;
}

int Dialogs::next_box_answer(UINT type) const {
  const std::optional<int> scripted = box_scripts_.empty() ? std::nullopt : box_scripts_.front().answer;
  return scripted.value_or(first_button(type));
}

std::optional<std::size_t> Dialogs::next_menu_choice(const std::vector<plat::MenuItemSpec>& items) const {
  std::optional<std::size_t> choice = menu_scripts_.empty() ? std::nullopt : menu_scripts_.front().choice;
  if (choice && (*choice >= items.size() || items[*choice].caption == "-" || !items[*choice].enabled)) {
    choice.reset();
  }
  return choice;
}

int Dialogs::first_button(UINT type) {
  switch (type & 0x0F) {
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    case MB_YESNOCANCEL:
    case plat::MB_YESNO:
      return plat::IDYES;
    case MB_RETRYCANCEL:
      return IDRETRY;
    case MB_CANCELTRYCONTINUE:
      return IDCANCEL;
    default:
      return plat::IDOK;
  }
}

std::string Dialogs::kind(UINT type) {
  switch (type & 0xF0) {
    case plat::MB_ICONSTOP:
      return "error";
    case plat::MB_ICONWARNING:
      return "warning";
    case plat::MB_ICONQUESTION:
      return "confirmation";
    case MB_ICONINFORMATION:
      return "information";
    default:
      return "plain";
  }
}

std::string Dialogs::buttons(UINT type) {
  switch (type & 0x0F) {
    case MB_OKCANCEL:
      return "OK Cancel";
    case MB_ABORTRETRYIGNORE:
      return "Abort Retry Ignore";
    case MB_YESNOCANCEL:
      return "Yes No Cancel";
    case plat::MB_YESNO:
      return "Yes No";
    case MB_RETRYCANCEL:
      return "Retry Cancel";
    case MB_CANCELTRYCONTINUE:
      return "Cancel Try Again Continue";
    default:
      return "OK";
  }
}

}  // namespace sim
