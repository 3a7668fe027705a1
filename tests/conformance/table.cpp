#include <exception>
#include <vector>

#include "row.h"

namespace conformance {
namespace {

std::string joined(const std::vector<std::string>& items) {
  std::string out = "[";
  for (const std::string& item : items) out += (out.size() > 1 ? ", " : "") + item;
  return out + "]";
}

}  // namespace

void Check::that(bool ok, std::string what) {
  if (!ok) failures_.push_back(std::move(what));
}

void Check::equal(const std::vector<std::string>& actual, const std::vector<std::string>& expected, std::string what) {
  if (actual != expected) failures_.push_back(what + ": expected " + joined(expected) + ", got " + joined(actual));
}

std::span<const Row> rows() {
  static const std::vector<Row> all = [] {
    std::vector<Row> out;
    for (auto part : {box_rows(), activation_rows(), show_rows(), position_rows(), input_rows()}) {
      out.insert(out.end(), part.begin(), part.end());
    }
    return out;
  }();
  return all;
}

const Row* find_row(std::string_view id) {
  for (const Row& row : rows()) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

std::vector<std::string> run_row(const Row& row, Desk& desk) {
  Check check;
  try {
    row.run(desk, check);
  } catch (const std::exception& e) {
    check.that(false, std::string("stray exception: ") + e.what());
  }
  return check.failures();
}

}  // namespace conformance
