#include "platform/sim/resources.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/sim/names.h"

#ifndef SLATEBAR_SOURCE_DIR
#error "slatebar_sim needs SLATEBAR_SOURCE_DIR, the source tree the resources are read from"
#endif

namespace sim {
namespace {

// A quoted rc string: "\\" is one backslash; either separator is a folder step.
std::string unquote(std::string_view token) {
  if (token.size() >= 2 && token.front() == '"' && token.back() == '"') token = token.substr(1, token.size() - 2);
  std::string out;
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (token[i] == '\\' && i + 1 < token.size() && token[i + 1] == '\\') ++i;
    out += token[i] == '\\' ? '/' : token[i];
  }
  return out;
}

}  // namespace

std::filesystem::path source_resources_folder() { return std::filesystem::path(SLATEBAR_SOURCE_DIR) / "resources"; }

Resources::Resources(std::filesystem::path folder)
    : folder_(folder.empty() ? source_resources_folder() : std::move(folder)) {}

void Resources::parse() {
  parsed_ = true;
  std::ifstream in(folder_ / "slatebar.rc");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string name;
    std::string type;
    if (!(words >> name >> type) || upper(type) != "RCDATA") continue;
    std::string rest;
    std::getline(words, rest);
    const std::size_t first = rest.find_first_not_of(" \t");
    const std::size_t last = rest.find_last_not_of(" \t\r");
    if (first == std::string::npos) continue;
    files_[upper(name)] = folder_ / unquote(std::string_view(rest).substr(first, last - first + 1));
  }
}

std::optional<std::filesystem::path> Resources::file_of(std::string_view name) {
  if (!parsed_) parse();
  auto it = files_.find(upper(name));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::vector<std::uint8_t>> Resources::load(std::string_view name) {
  if (auto o = overrides_.find(upper(name)); o != overrides_.end()) return o->second;
  const auto file = file_of(name);
  if (!file) return std::nullopt;
  std::ifstream in(*file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Resources::set(std::string_view name, std::vector<std::uint8_t> bytes) {
  overrides_[upper(name)] = std::move(bytes);
}

void Resources::remove(std::string_view name) { overrides_[upper(name)] = std::nullopt; }

}  // namespace sim
