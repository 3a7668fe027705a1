// A parsed form design: the form's block followed by one block per
// component, each a list of properties in file order. The text format is
// described in docs/design-format.md.
#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ui {

// A word is an unquoted identifier (none, client, a resource or handler
// name); a string came in double quotes.
struct DesignWord {
  std::string text;
  friend bool operator==(const DesignWord&, const DesignWord&) = default;
};
using DesignAtom = std::variant<std::int64_t, bool, std::string, DesignWord>;

struct DesignProperty {
  std::string key;
  std::vector<DesignAtom> values;
  int line = 0;
};

struct DesignBlock {
  std::string kind;    // "form", "label", "picture", ...
  std::string name;
  std::string extra;   // the class name of a form, the parent of a component
  std::vector<DesignProperty> properties;
  int line = 0;
};

struct Design {
  std::string source;  // resource name, for messages
  std::vector<DesignBlock> blocks;  // blocks[0] is the form
};

std::expected<Design, std::string> parse_design(std::string_view source, std::string_view text);

}  // namespace ui
