#include "sim/table_document.h"

#include <fstream>
#include <sstream>

#include "deviations.h"

namespace conformance {
namespace {

constexpr std::string_view kBegin = "<!-- rows: written by conformance_tests --write-table -->\n";
constexpr std::string_view kEnd = "<!-- end of rows -->\n";

std::optional<std::string> read_all(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::optional<std::string> read_table_section(const std::filesystem::path& file) {
  const auto text = read_all(file);
  if (!text) return std::nullopt;
  const auto begin = text->find(kBegin);
  const auto end = text->find(kEnd);
  if (begin == std::string::npos || end == std::string::npos || end < begin) return std::nullopt;
  return text->substr(begin + kBegin.size(), end - begin - kBegin.size());
}

bool write_table_section(const std::filesystem::path& file) {
  auto text = read_all(file);
  if (!text) return false;
  const auto begin = text->find(kBegin);
  const auto end = text->find(kEnd);
  if (begin == std::string::npos || end == std::string::npos || end < begin) return false;
  text->replace(begin + kBegin.size(), end - begin - kBegin.size(), markdown_table());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << *text;
  return true;
}

}  // namespace conformance
