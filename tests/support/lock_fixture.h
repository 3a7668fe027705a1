// The lock screen, welcome screen and start-up tests' desktop: the shared
// simulated program (pictures shipped beside the exe) with the program's
// title, and helpers to read the call record as tables.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Logon/Logon.h"
#include "forms/settings/settings.h"
#include "forms/welcome/welcome.h"
#include "support/sim_app.h"

namespace lock_test {

inline constexpr std::string_view kExeFolder = "C:\\Program Files\\Slatebar\\";
inline constexpr std::string_view kTempFolder = "C:\\users\\user\\Temp\\";

inline std::string in_exe(std::string_view name) { return std::string(kExeFolder) + std::string(name); }
inline std::string in_pics(std::string_view name) { return in_exe("pics\\") + std::string(name); }

class LockDesktop : public ::testing::Test {
 protected:
  explicit LockDesktop(support::SimAppOptions options = {}) : sim_(options), desk(sim_.desktop), app(*sim_.app) {
    app.set_title("Slatebar");
  }

  // The lock screen and the welcome screen, behind a settings dialog as
  // main form (it never shows itself), so that closing them only hides.
  void make_lock_forms() {
    app.create_form(frmSetting);
    app.create_form(frmLogon);
    app.create_form(frmWelcome);
  }
  void make_all_forms() { sim_.create_all_forms(); }

  // The record since `from`, only the entries whose first word is listed.
  std::vector<std::string> calls_since(std::size_t from, std::initializer_list<std::string_view> calls) const {
    std::vector<std::string> out;
    const auto& all = desk.events();
    for (std::size_t i = from; i < all.size(); ++i) {
      const std::string_view e = all[i];
      const std::string_view first = e.substr(0, e.find(' '));
      for (std::string_view c : calls) {
        if (first == c) {
          out.push_back(all[i]);
          break;
        }
      }
    }
    return out;
  }

 private:
  support::SimApp sim_;

 protected:
  sim::Desktop& desk;
  ui::Application& app;
};

// Compares two records as a table, both columns printed on a mismatch.
inline ::testing::AssertionResult same_sequence(const std::vector<std::string>& expected,
                                                const std::vector<std::string>& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\n" << sim::side_by_side(expected, actual);
}

}  // namespace lock_test
