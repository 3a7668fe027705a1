// docs/conformance.md: prose around a table section that is written from
// the rows themselves, between two markers, so the two cannot drift apart.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace conformance {

inline const std::filesystem::path kTableDocument =
    std::filesystem::path(SLATEBAR_SOURCE_DIR) / "docs" / "conformance.md";

// The text between the markers, or nothing when the file or a marker is missing.
std::optional<std::string> read_table_section(const std::filesystem::path& file);
// Puts markdown_table() between the markers; false when they are missing.
bool write_table_section(const std::filesystem::path& file);

}  // namespace conformance
