// The program's resources, read from the source tree through the same
// resource script the Windows build compiles: each line
// `NAME RCDATA "relative/path"` maps a name to a file beside the script.
// Other lines are ignored. A test can add, replace or remove a resource.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

class Resources {
 public:
  // `folder` holds slatebar.rc; empty: the source tree's resources folder.
  explicit Resources(std::filesystem::path folder = {});

  std::optional<std::vector<std::uint8_t>> load(std::string_view name);
  // The file a name maps to, if the script lists it.
  std::optional<std::filesystem::path> file_of(std::string_view name);

  void set(std::string_view name, std::vector<std::uint8_t> bytes);
  void remove(std::string_view name);
  const std::filesystem::path& folder() const { return folder_; }

 private:
  void parse();
  std::filesystem::path folder_;
  bool parsed_ = false;
  std::map<std::string, std::filesystem::path> files_;  // upper-case name
  std::map<std::string, std::optional<std::vector<std::uint8_t>>> overrides_;
};

// The default folder: SLATEBAR_SOURCE_DIR/resources.
std::filesystem::path source_resources_folder();

}  // namespace sim
