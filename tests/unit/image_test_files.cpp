#include "image_test_files.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <stdexcept>

namespace image_test {
namespace {

void png_append(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

// Holds only trivially destructible locals: libpng longjmps back here.
bool write_png(const PngFile& f, png_structp png, png_infop info, std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, f.width, f.height, f.bit_depth, f.colour_type,
               f.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_color palette[256];
  for (std::size_t i = 0; i < f.palette.size(); ++i)
    palette[i] = {png_byte(f.palette[i] >> 16), png_byte(f.palette[i] >> 8), png_byte(f.palette[i])};
  if (!f.palette.empty()) png_set_PLTE(png, info, palette, static_cast<int>(f.palette.size()));
  png_color_16 colour{};
  if (f.trns_grey) colour.gray = colour.red = colour.green = colour.blue = *f.trns_grey;
  if (!f.palette_alpha.empty() || f.trns_grey)
    png_set_tRNS(png, info, f.palette_alpha.empty() ? nullptr : f.palette_alpha.data(),
                 static_cast<int>(f.palette_alpha.size()), f.trns_grey ? &colour : nullptr);
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

}  // namespace

Bytes PngFile::bytes() const {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Bytes out;
  png_set_write_fn(png, &out, png_append, nullptr);
  std::vector<png_bytep> row_pointers;
  for (const Bytes& row : rows) row_pointers.push_back(const_cast<png_bytep>(row.data()));
  const bool ok = write_png(*this, png, info, row_pointers);
  png_destroy_write_struct(&png, &info);
  if (!ok) throw std::runtime_error("test PNG could not be written");
  return out;
}

Bytes make_jpeg(int width, int height, int components, const Bytes& samples, JpegMode mode, int quality) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (mode == JpegMode::Progressive) jpeg_simple_progression(&cinfo);
  std::vector<jpeg_scan_info> scans;
  if (mode == JpegMode::ManyScans) {
    constexpr int max_bit = 10;  // the largest successive-approximation shift libjpeg writes
    for (int bit = max_bit; bit >= 0; --bit)
      scans.push_back({components, {0, 1, 2, 3}, 0, 0, bit == max_bit ? 0 : bit + 1, bit});
    for (int c = 0; c < components; ++c)
      for (int k = 1; k < 64; ++k)
        for (int bit = max_bit; bit >= 0; --bit) scans.push_back({1, {c}, k, k, bit == max_bit ? 0 : bit + 1, bit});
    cinfo.scan_info = scans.data();
    cinfo.num_scans = static_cast<int>(scans.size());
  }
  jpeg_start_compress(&cinfo, TRUE);
  Bytes row_data;
  while (cinfo.next_scanline < cinfo.image_height) {
    const std::size_t stride = static_cast<std::size_t>(width) * components;
    row_data.assign(samples.begin() + cinfo.next_scanline * stride, samples.begin() + (cinfo.next_scanline + 1) * stride);
    if (components == 4)
      for (auto& s : row_data) s = 255 - s;
    JSAMPROW row = row_data.data();
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

}  // namespace image_test
