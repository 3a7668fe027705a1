// Windows bitmap files. Every field is read through bounds-checked
// little-endian accessors, and the whole pixel area a header implies is
// proven to lie inside the file before the picture is allocated.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <optional>
#include <vector>

#include "image/decode.h"
#include "image/picture_limits.h"

namespace image {
namespace {

constexpr std::size_t file_header_size = 14;
constexpr std::size_t core_header_size = 12;

enum Compression : std::uint32_t {
  bi_rgb = 0,
  bi_rle8 = 1,
  bi_rle4 = 2,
  bi_bitfields = 3,
  bi_jpeg = 4,
  bi_png = 5,
  bi_alphabitfields = 6,
};

class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}
  bool has(std::size_t offset, std::size_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8); }
  std::uint32_t u32(std::size_t at) const {
    return std::uint32_t{data_[at]} | std::uint32_t{data_[at + 1]} << 8 | std::uint32_t{data_[at + 2]} << 16 |
           std::uint32_t{data_[at + 3]} << 24;
  }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
  const std::uint8_t* at(std::size_t offset) const { return data_.data() + offset; }
  std::size_t size() const { return data_.size(); }

 private:
  std::span<const std::uint8_t> data_;
};

// One colour channel of a bit-field pixel, widened to 8 bits. Masks of any
// width (even non-contiguous ones, which some writers emit) scale by their
// maximum so that a full field always maps to 255.
class Channel {
 public:
  Channel() = default;
  explicit Channel(std::uint32_t mask)
      : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask ? mask >> shift_ : 0) {}
  bool present() const { return mask_ != 0; }
  std::uint8_t operator()(std::uint32_t pixel) const {
    if (!mask_) return 0;
    std::uint32_t v = (pixel & mask_) >> shift_;
    if (max_ == 0xFF) return static_cast<std::uint8_t>(v);
    return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + max_ / 2) / max_);
  }

 private:
  std::uint32_t mask_ = 0;
  int shift_ = 0;
  std::uint32_t max_ = 0;
};

struct Layout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // always positive; top_down tells the row order
  bool top_down = false;
  unsigned bits = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
  std::vector<std::uint32_t> palette;    // 0xAARRGGBB, opaque
  std::size_t pixel_offset = 0;
  std::size_t stride = 0;
};

using LayoutResult = std::expected<Layout, std::string>;

std::unexpected<std::string> fail(std::string message) { return std::unexpected(std::move(message)); }

std::optional<std::string> check_compression(std::uint32_t compression, unsigned bits) {
  switch (compression) {
    case bi_rgb:
      return std::nullopt;
    case bi_bitfields:
    case bi_alphabitfields:
      if (bits == 16 || bits == 32) return std::nullopt;
      return "Bitmap bit fields need 16 or 32 bits per pixel";
    case bi_rle8:
    case bi_rle4:
      return "Bitmap run-length compression is not supported";
    case bi_jpeg:
    case bi_png:
      return "Bitmap with embedded JPEG or PNG data is not supported";
    default:
      return "Bitmap compression is not supported (" + std::to_string(compression) + ")";
  }
}

// Reads the headers, masks and colour table, and checks that the pixel
// rows the header claims are all inside the file.
LayoutResult read_layout(const Bytes& in) {
  if (!in.has(0, 2) || *in.at(0) != 'B' || *in.at(1) != 'M') return fail("Bitmap image is not valid");
  if (!in.has(0, file_header_size + 4)) return fail("Bitmap header is truncated");
  const std::uint32_t header_size = in.u32(file_header_size);
  const bool core = header_size == core_header_size;
  if (!core && header_size != 40 && header_size != 52 && header_size != 56 && header_size != 108 &&
      header_size != 124)
    return fail("Bitmap header is not supported (size " + std::to_string(header_size) + ")");
  if (!in.has(file_header_size, header_size)) return fail("Bitmap header is truncated");

  constexpr std::size_t h = file_header_size;
  Layout out;
  std::uint32_t compression = bi_rgb;
  std::uint32_t colours_used = 0;
  if (core) {
    out.width = in.u16(h + 4);
    out.height = in.u16(h + 6);
    out.bits = in.u16(h + 10);
  } else {
    out.width = in.i32(h + 4);
    const std::int64_t height = in.i32(h + 8);
    out.top_down = height < 0;
    out.height = std::abs(height);
    out.bits = in.u16(h + 14);
    compression = in.u32(h + 16);
    colours_used = in.u32(h + 32);
  }
  if (out.width <= 0 || out.height <= 0)
    return fail("Bitmap size is not valid (" + std::to_string(out.width) + " x " + std::to_string(out.height) + ")");
  if (auto too_large = check_picture_size(out.width, out.height)) return fail(*too_large);
  if (out.bits != 1 && out.bits != 4 && out.bits != 8 && out.bits != 16 && out.bits != 24 && out.bits != 32)
    return fail("Bitmap bit depth is not supported (" + std::to_string(out.bits) + ")");
  if (auto refused = check_compression(compression, out.bits)) return fail(*refused);

  std::size_t tables = h + header_size;
  if (compression == bi_rgb) {
    if (out.bits == 16) out.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (out.bits == 32) out.masks = {0xFF0000, 0xFF00, 0xFF, 0};
    // The fourth byte of a plain 32-bit pixel is padding, unless a V4 or
    // V5 header says through its alpha mask that it carries alpha.
    if (out.bits == 32 && header_size >= 108) out.masks[3] = in.u32(h + 52);
  } else if (header_size >= 52) {
    for (std::size_t i = 0; i < (header_size >= 56 ? 4u : 3u); ++i) out.masks[i] = in.u32(h + 40 + 4 * i);
  } else {
    const std::size_t count = compression == bi_alphabitfields ? 4 : 3;
    if (!in.has(tables, 4 * count)) return fail("Bitmap bit fields are truncated");
    for (std::size_t i = 0; i < count; ++i) out.masks[i] = in.u32(tables + 4 * i);
    tables += 4 * count;
  }

  const std::uint32_t offset_field = in.u32(10);
  if (out.bits <= 8) {
    const std::size_t entry = core ? 3 : 4;
    std::size_t count = std::size_t{1} << out.bits;
    if (colours_used != 0 && colours_used < count) count = colours_used;
    // Some writers store fewer entries than the depth allows without
    // saying so; the pixel offset then shows where the table really ends.
    if (offset_field > tables) count = std::clamp<std::size_t>((offset_field - tables) / entry, 1, count);
    if (!in.has(tables, count * entry)) return fail("Bitmap colour table is truncated");
    out.palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t* c = in.at(tables + i * entry);
      out.palette[i] = plat::argb(0xFF, c[2], c[1], c[0]);
    }
    tables += count * entry;
  }

  // A zero or impossible pixel offset (inside the headers) is a writer's
  // mistake; the rows then follow the tables directly.
  out.pixel_offset = offset_field >= tables ? offset_field : tables;
  const std::uint64_t row_bits = static_cast<std::uint64_t>(out.width) * out.bits;
  out.stride = static_cast<std::size_t>((row_bits + 31) / 32 * 4);
  // The last row's padding is often left out, so only its pixels must be there.
  const std::uint64_t needed = static_cast<std::uint64_t>(out.stride) * (out.height - 1) + (row_bits + 7) / 8;
  if (out.pixel_offset > in.size() || needed > in.size() - out.pixel_offset)
    return fail("Bitmap pixel data is truncated");
  return out;
}

void decode_indexed_row(const Layout& layout, const std::uint8_t* row, std::uint32_t* dst) {
  const unsigned bits = layout.bits;
  const unsigned per_byte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  for (std::int64_t x = 0; x < layout.width; ++x) {
    const unsigned byte = row[x / per_byte];
    const unsigned shift = 8 - bits * (x % per_byte + 1);
    const unsigned index = (byte >> shift) & mask;
    // An index past the table's end shows black rather than failing the picture.
    dst[x] = index < layout.palette.size() ? layout.palette[index] : plat::argb(0xFF, 0, 0, 0);
  }
}

// Returns the OR of the alpha values written, or 0xFF when there is no alpha.
unsigned decode_packed_row(const Layout& layout, const std::array<Channel, 4>& ch, const std::uint8_t* row,
                           std::uint32_t* dst) {
  unsigned alpha_seen = 0;
  for (std::int64_t x = 0; x < layout.width; ++x) {
    std::uint32_t px;
    if (layout.bits == 16) {
      px = std::uint32_t{row[2 * x]} | std::uint32_t{row[2 * x + 1]} << 8;
    } else {
      const std::uint8_t* p = row + 4 * x;
      px = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
    }
    const std::uint8_t a = ch[3].present() ? ch[3](px) : 0xFF;
    alpha_seen |= a;
    dst[x] = plat::argb(a, ch[0](px), ch[1](px), ch[2](px));
  }
  return alpha_seen;
}

}  // namespace

DecodeResult decode_bmp(std::span<const std::uint8_t> data) {
  const Bytes in(data);
  LayoutResult parsed = read_layout(in);
  if (!parsed) return std::unexpected(std::move(parsed.error()));
  const Layout& layout = *parsed;

  plat::Image img = plat::Image::blank(static_cast<int>(layout.width), static_cast<int>(layout.height));
  const std::array<Channel, 4> channels{Channel(layout.masks[0]), Channel(layout.masks[1]),
                                        Channel(layout.masks[2]), Channel(layout.masks[3])};
  unsigned alpha_seen = 0;
  for (std::int64_t y = 0; y < layout.height; ++y) {
    const std::int64_t file_row = layout.top_down ? y : layout.height - 1 - y;
    const std::uint8_t* row = in.at(layout.pixel_offset + static_cast<std::size_t>(file_row) * layout.stride);
    std::uint32_t* dst = img.pixels.data() + y * layout.width;
    if (layout.bits <= 8) {
      decode_indexed_row(layout, row, dst);
    } else if (layout.bits == 24) {
      for (std::int64_t x = 0; x < layout.width; ++x)
        dst[x] = plat::argb(0xFF, row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    } else {
      alpha_seen |= decode_packed_row(layout, channels, row, dst);
    }
  }
  // Writers that declare an alpha mask but leave the channel at zero are
  // common; showing such a file as fully transparent would hide it.
  if (channels[3].present() && alpha_seen == 0)
    for (std::uint32_t& px : img.pixels) px |= 0xFF000000u;
  return img;
}

}  // namespace image
