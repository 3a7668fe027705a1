// The conformance table: each window-manager rule the program relies on,
// as a row with the situation, what Windows does, the evidence, and code
// that sets the situation up through the platform seam and checks it. The
// same rows run on the simulated desktop (host suite) and on the Windows
// backend (a Windows exe, run under Wine by the end-to-end suite).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "desk.h"

namespace conformance {

// What one run of a row found wrong, in words; empty when the row held.
class Check {
 public:
  void that(bool ok, std::string what);
  // A sequence compared as a whole (z-orders, message orders).
  void equal(const std::vector<std::string>& actual, const std::vector<std::string>& expected, std::string what);
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  std::vector<std::string> failures_;
};

struct Row {
  std::string_view id;
  std::string_view situation;
  std::string_view windows_does;
  std::string_view evidence;
  void (*run)(Desk& desk, Check& check);
};

// Every row, in the order of the table in docs/simulated-desktop.md.
std::span<const Row> rows();
const Row* find_row(std::string_view id);

// Runs one row on a desk; the failures it found.
std::vector<std::string> run_row(const Row& row, Desk& desk);

// The rows of each topic (one file each).
std::span<const Row> box_rows();
std::span<const Row> activation_rows();
std::span<const Row> show_rows();
std::span<const Row> position_rows();
std::span<const Row> input_rows();

}  // namespace conformance
