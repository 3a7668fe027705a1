// JPEG files through libjpeg(-turbo). libjpeg reports errors by calling
// error_exit, which must not return; throwing from it would unwind C
// frames built without unwind tables, so it longjmps instead. Every
// setjmp sits in a small function holding only trivially destructible
// locals, and all objects with destructors live in decode_jpeg, above the
// jump, so a longjmp never skips a destructor.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "image/decode.h"
#include "image/picture_limits.h"

namespace image {
namespace {

// Real progressive files use about ten scans; a damaged one can announce
// thousands, each a pass over the whole coefficient buffer.
constexpr int max_scans = 1000;

struct ErrorManager {
  jpeg_error_mgr pub;  // first member: libjpeg hands back a jpeg_error_mgr*
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jump_out(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

[[noreturn]] void on_error_exit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  jump_out(cinfo);
}

// These warnings mean the entropy data is cut short or damaged; libjpeg
// would go on and fill the rest of the picture with grey.
bool is_damage(int code) {
  switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
      return true;
    default:
      return false;
  }
}

void on_emit_message(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace messages
  if (is_damage(cinfo->err->msg_code)) on_error_exit(cinfo);
  ++cinfo->err->num_warnings;
}

void on_progress(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= max_scans) return;
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::snprintf(err->message, sizeof err->message, "JPEG file has more than %d scans", max_scans);
  jump_out(cinfo);
}

// A source reading from memory, written here rather than jpeg_mem_src so
// that it is the same on every libjpeg flavour and has no 32-bit length
// (unsigned long is 32 bits on Windows).
const JOCTET fake_eoi[2] = {0xFF, JPEG_EOI};

void source_init(j_decompress_ptr) {}
void source_term(j_decompress_ptr) {}

boolean source_fill(j_decompress_ptr cinfo) {
  // Past the end: warn (which fails the decode, see is_damage) and, should
  // a handler ever return, end the stream cleanly as libjpeg's own sources do.
  WARNMS(cinfo, JWRN_JPEG_EOF);
  cinfo->src->next_input_byte = fake_eoi;
  cinfo->src->bytes_in_buffer = 2;
  return TRUE;
}

void source_skip(j_decompress_ptr cinfo, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* src = cinfo->src;
  if (static_cast<unsigned long>(count) > src->bytes_in_buffer) {
    src->bytes_in_buffer = 0;
    source_fill(cinfo);
    return;
  }
  src->next_input_byte += count;
  src->bytes_in_buffer -= static_cast<std::size_t>(count);
}

class JpegReader {
 public:
  explicit JpegReader(std::span<const std::uint8_t> data) {
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&err, 0, sizeof err);
    std::memset(&source, 0, sizeof source);
    std::memset(&progress, 0, sizeof progress);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = on_error_exit;
    err.pub.emit_message = on_emit_message;
    source.init_source = source_init;
    source.fill_input_buffer = source_fill;
    source.skip_input_data = source_skip;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = source_term;
    source.next_input_byte = data.data();
    source.bytes_in_buffer = data.size();
    progress.progress_monitor = on_progress;
  }
  // Destroying a struct that jpeg_create_decompress never finished is safe:
  // libjpeg frees only what its memory manager has recorded.
  ~JpegReader() { jpeg_destroy_decompress(&cinfo); }
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  std::string message() const { return err.message; }

  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_source_mgr source;
  jpeg_progress_mgr progress;
};

bool read_header(JpegReader& r) {
  if (setjmp(r.err.jump)) return false;
  jpeg_create_decompress(&r.cinfo);
  r.cinfo.src = &r.source;
  r.cinfo.progress = &r.progress;
  jpeg_read_header(&r.cinfo, TRUE);
  return true;
}

bool is_cmyk(const jpeg_decompress_struct& cinfo) {
  return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

bool start(JpegReader& r) {
  if (setjmp(r.err.jump)) return false;
#ifdef JCS_ALPHA_EXTENSIONS
  // libjpeg-turbo writes the BGRA bytes of a 0xAARRGGBB word directly, alpha 0xFF.
  r.cinfo.out_color_space = is_cmyk(r.cinfo) ? JCS_CMYK : JCS_EXT_BGRA;
#else
  r.cinfo.out_color_space = is_cmyk(r.cinfo) ? JCS_CMYK : JCS_RGB;
#endif
  jpeg_start_decompress(&r.cinfo);
  return true;
}

bool direct_output(const jpeg_decompress_struct& cinfo) {
#ifdef JCS_ALPHA_EXTENSIONS
  return cinfo.out_color_space == JCS_EXT_BGRA;
#else
  (void)cinfo;
  return false;
#endif
}

void convert_row(const jpeg_decompress_struct& cinfo, const JSAMPLE* in, std::uint32_t* out) {
  const JDIMENSION width = cinfo.output_width;
  if (cinfo.out_color_space == JCS_CMYK) {
    // Adobe's writers store CMYK inverted, which nearly every CMYK file is.
    const bool inverted = cinfo.saw_Adobe_marker;
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
      const unsigned k = inverted ? in[3] : 255u - in[3];
      auto ink = [&](unsigned v) { return static_cast<std::uint8_t>(((inverted ? v : 255u - v) * k + 127) / 255); };
      out[x] = plat::argb(0xFF, ink(in[0]), ink(in[1]), ink(in[2]));
    }
    return;
  }
  for (JDIMENSION x = 0; x < width; ++x, in += 3) out[x] = plat::argb(0xFF, in[0], in[1], in[2]);
}

bool read_rows(JpegReader& r, plat::Image& out, JSAMPLE* row_buffer) {
  if (setjmp(r.err.jump)) return false;
  const bool direct = direct_output(r.cinfo);
  while (r.cinfo.output_scanline < r.cinfo.output_height) {
    std::uint32_t* dst = out.pixels.data() + static_cast<std::size_t>(r.cinfo.output_scanline) * out.width;
    JSAMPROW row = direct ? reinterpret_cast<JSAMPROW>(dst) : row_buffer;
    if (jpeg_read_scanlines(&r.cinfo, &row, 1) != 1) return false;
    if (!direct) convert_row(r.cinfo, row_buffer, dst);
  }
  jpeg_finish_decompress(&r.cinfo);
  return true;
}

}  // namespace

DecodeResult decode_jpeg(std::span<const std::uint8_t> data) {
  JpegReader reader(data);
  if (!read_header(reader)) return std::unexpected(reader.message());
  if (auto too_large = check_picture_size(reader.cinfo.image_width, reader.cinfo.image_height))
    return std::unexpected(*too_large);
  const J_COLOR_SPACE space = reader.cinfo.jpeg_color_space;
  if (space != JCS_GRAYSCALE && space != JCS_YCbCr && space != JCS_RGB && !is_cmyk(reader.cinfo))
    return std::unexpected(std::string("JPEG colour space is not supported"));
  if (!start(reader)) return std::unexpected(reader.message());

  plat::Image out = plat::Image::blank(static_cast<int>(reader.cinfo.output_width),
                                       static_cast<int>(reader.cinfo.output_height));
  std::vector<JSAMPLE> row_buffer;
  if (!direct_output(reader.cinfo))
    row_buffer.resize(static_cast<std::size_t>(reader.cinfo.output_width) * reader.cinfo.output_components);
  if (!read_rows(reader, out, row_buffer.data())) {
    std::string message = reader.message();
    return std::unexpected(message.empty() ? std::string("JPEG image data is not valid") : message);
  }
  return out;
}

}  // namespace image
