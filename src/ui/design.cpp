#include "ui/design.h"
#include "ui/strings.h"

#include <charconv>

namespace ui {
namespace {

bool is_space(char c) { return c == ' ' || c == '\t'; }

std::string_view trim_right(std::string_view s) {
  while (!s.empty() && (is_space(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Splits one property line into atoms; reports the first malformed one.
std::expected<std::vector<DesignAtom>, std::string> parse_atoms(std::string_view rest) {
  std::vector<DesignAtom> atoms;
  std::size_t i = 0;
  while (i < rest.size()) {
    if (is_space(rest[i])) {
      ++i;
      continue;
    }
    if (rest[i] == '"') {
      std::string text;
      ++i;
      bool closed = false;
      while (i < rest.size()) {
        char c = rest[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < rest.size()) {
          char e = rest[i++];
          switch (e) {
            case 'r': text += '\r'; break;
            case 'n': text += '\n'; break;
            case 't': text += '\t'; break;
            case '"': text += '"'; break;
            case '\\': text += '\\'; break;
            default: return std::unexpected(cat("unknown escape \\", e));
          }
          continue;
        }
        text += c;
      }
      if (!closed) return std::unexpected(std::string("unterminated string"));
      atoms.emplace_back(std::move(text));
      continue;
    }
    std::size_t end = i;
    while (end < rest.size() && !is_space(rest[end])) ++end;
    std::string_view token = rest.substr(i, end - i);
    i = end;
    if (token == "true" || token == "false") {
      atoms.emplace_back(token == "true");
      continue;
    }
    bool numeric = token[0] == '-' || (token[0] >= '0' && token[0] <= '9');
    if (numeric) {
      std::int64_t value = 0;
      std::string_view digits = token;
      bool negative = false;
      if (digits.starts_with('-')) {
        negative = true;
        digits.remove_prefix(1);
      }
      int base = 10;
      if (digits.starts_with("0x") || digits.starts_with("0X")) {
        base = 16;
        digits.remove_prefix(2);
      }
      auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
      if (ec != std::errc() || ptr != digits.data() + digits.size() || digits.empty()) {
        return std::unexpected(cat("malformed number '", token, "'"));
      }
      atoms.emplace_back(negative ? -value : value);
      continue;
    }
    atoms.emplace_back(DesignWord{std::string(token)});
  }
  return atoms;
}

}  // namespace

std::expected<Design, std::string> parse_design(std::string_view source, std::string_view text) {
  Design design;
  design.source = std::string(source);
  int line_no = 0;
  std::size_t pos = 0;
  auto fail = [&](std::string_view why) {
    return std::unexpected(cat("Design ", source, ", line ", line_no, ": ", why));
  };
  while (pos <= text.size()) {
    std::size_t nl = text.find('\n', pos);
    if (nl == std::string_view::npos) nl = text.size();
    std::string_view line = trim_right(text.substr(pos, nl - pos));
    pos = nl + 1;
    ++line_no;
    std::size_t first = 0;
    while (first < line.size() && is_space(line[first])) ++first;
    if (first == line.size() || line[first] == '#') continue;
    auto atoms = parse_atoms(line.substr(first));
    if (!atoms) return fail(atoms.error());
    if (first == 0) {
      // A block header: kind, name, then a class name (form) or "in <parent>".
      auto word = [&](std::size_t i) -> const std::string* {
        if (i >= atoms->size()) return nullptr;
        auto* w = std::get_if<DesignWord>(&(*atoms)[i]);
        return w ? &w->text : nullptr;
      };
      DesignBlock block;
      block.line = line_no;
      if (!word(0) || !word(1)) return fail("a block starts with a kind and a name");
      block.kind = *word(0);
      block.name = *word(1);
      if (block.kind == "form") {
        if (!design.blocks.empty()) return fail("only the first block may be the form");
        if (!word(2) || atoms->size() != 3) return fail("a form block reads: form <name> <ClassName>");
        block.extra = *word(2);
      } else {
        if (design.blocks.empty()) return fail("the first block must be the form");
        if (atoms->size() == 4 && word(2) && *word(2) == "in" && word(3)) {
          block.extra = *word(3);
        } else if (atoms->size() != 2) {
          return fail("a component block reads: <kind> <name> [in <parent>]");
        }
      }
      design.blocks.push_back(std::move(block));
      continue;
    }
    if (design.blocks.empty()) return fail("a property outside of any block");
    if (atoms->empty() || !std::holds_alternative<DesignWord>(atoms->front())) {
      return fail("a property starts with its name");
    }
    DesignProperty prop;
    prop.key = std::get<DesignWord>(atoms->front()).text;
    prop.values.assign(atoms->begin() + 1, atoms->end());
    prop.line = line_no;
    design.blocks.back().properties.push_back(std::move(prop));
  }
  if (design.blocks.empty()) return std::unexpected(cat("Design ", source, ": no form block"));
  return design;
}

}  // namespace ui
