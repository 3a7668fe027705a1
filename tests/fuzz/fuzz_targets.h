// The entry points that the fuzzers and the corpus replay test share, so
// that a committed input is replayed exactly as the fuzzer ran it. Each
// takes any bytes, must return normally, and stops the process (through
// check) when a decoder or the design parser breaks its own contract: a
// picture whose pixel count disagrees with its size or exceeds the limits,
// an empty message, a parsed design without its form block.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include "ui/design.h"
#include "image/decode.h"
#include "image/picture_limits.h"

namespace fuzz_targets {

inline void check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz target: contract broken: %s\n", what);
  std::abort();
}

inline void check_picture(const image::DecodeResult& result) {
  if (!result) {
    check(!result.error().empty(), "a refused picture has a message");
    return;
  }
  const plat::Image& img = *result;
  check(img.width > 0 && img.height > 0, "a decoded picture is not empty");
  check(img.width <= image::max_picture_side && img.height <= image::max_picture_side,
        "a decoded picture is within the side limit");
  check(static_cast<std::int64_t>(img.width) * img.height <= image::max_picture_pixels,
        "a decoded picture is within the pixel limit");
  check(img.pixels.size() == static_cast<std::size_t>(img.width) * static_cast<std::size_t>(img.height),
        "pixel count matches the size");
}

inline void bmp(std::span<const std::uint8_t> data) { check_picture(image::decode_bmp(data)); }
inline void png(std::span<const std::uint8_t> data) { check_picture(image::decode_png(data)); }
inline void jpeg(std::span<const std::uint8_t> data) { check_picture(image::decode_jpeg(data)); }

inline void design(std::span<const std::uint8_t> data) {
  const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
  const auto parsed = ui::parse_design("FUZZ", text);
  if (!parsed) {
    check(parsed.error().starts_with("Design FUZZ"), "a parse error names the design");
    return;
  }
  check(!parsed->blocks.empty() && parsed->blocks.front().kind == "form", "a design starts with its form");
  for (std::size_t i = 1; i < parsed->blocks.size(); ++i) {
    check(parsed->blocks[i].kind != "form", "only the first block is a form");
  }
}

}  // namespace fuzz_targets
