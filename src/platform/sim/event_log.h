// The record of platform calls that recorded-sequence tests compare with
// their tables. Each entry is one line that starts with the call's name,
// e.g. "ShowWindow frmClock SW_SHOWNOACTIVATE", so that a test can pick
// the calls it cares about and compare the rest of the line as text.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/types.h"

namespace sim {

class EventLog {
 public:
  // Off, the log costs nothing and allocates nothing (for tests that count
  // allocations around ticks).
  bool enabled() const { return enabled_; }
  void set_enabled(bool on) { enabled_ = on; }

  void add(std::string entry);
  void clear() { entries_.clear(); }
  const std::vector<std::string>& entries() const { return entries_; }
  // The entries whose first word is one of `calls`, in order.
  std::vector<std::string> of(std::initializer_list<std::string_view> calls) const;
  std::vector<std::string> of(std::span<const std::string_view> calls) const;
  // The entries after the first `skip`, for "what happened since" checks.
  std::vector<std::string> since(std::size_t skip) const;

 private:
  bool enabled_ = true;
  std::vector<std::string> entries_;
};

// Two sequences in two columns with the first difference marked, for the
// failure message of a table comparison.
std::string side_by_side(std::span<const std::string> expected, std::span<const std::string> actual);

// Formatting shared by log entries.
std::string hex32(std::uint32_t value);  // 0x0008A000
std::string in_quotes(std::string_view text);  // "a\nb" with \r \n \" \\ escaped
std::string show_command_name(int cmd);
std::string swp_flags_name(UINT flags);
std::string gwl_index_name(int index);
std::string message_box_flags_name(UINT type);
std::string dialog_answer_name(int answer);
std::string bool_name(BOOL value);  // TRUE / FALSE
std::string outcome_name(DWORD error);  // ok / error 2

}  // namespace sim
