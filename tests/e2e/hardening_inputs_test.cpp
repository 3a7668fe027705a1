// Damaged and hostile picture files beside the program, one at a time:
// each start tells the user with a box that names the file, and the
// program runs on with its windows up, its memory bounded, and ends with
// exit code 0 when asked. Also a folder that cannot take "pics", and a
// folder whose name has blanks.
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "driver/bitmap_file.h"
#include "driver/message_boxes.h"
#include "driver/paths.h"
#include "driver/slatebar.h"
#include "e2e_test.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing::E2eTest;

Bytes read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
void write_file(const fs::path& p, const Bytes& b) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
void put_be(Bytes& b, std::size_t at, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * (n - 1 - i)));
}

// A 24-bit bitmap of one grey, as an account picture is, whose header may
// claim other sizes than it holds.
Bytes bitmap(std::uint32_t width, std::uint32_t height, std::size_t pixel_bytes) {
  const std::vector<char> b = bitmap_header(width, height, pixel_bytes, static_cast<char>(0x80));
  return Bytes(b.begin(), b.end());
}

std::uint32_t crc32(const std::uint8_t* p, std::size_t n) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

// A PNG whose header claims the size, with valid checksums, and an empty
// image data stream: only the header can stop a decoder in time.
Bytes png_claiming(std::uint32_t width, std::uint32_t height) {
  Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto chunk = [&](const char* type, const Bytes& data) {
    const std::size_t at = b.size();
    b.resize(at + 12 + data.size());
    put_be(b, at, static_cast<std::uint32_t>(data.size()), 4);
    std::copy(type, type + 4, b.begin() + static_cast<std::ptrdiff_t>(at + 4));
    std::copy(data.begin(), data.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 8));
    put_be(b, at + 8 + data.size(), crc32(&b[at + 4], 4 + data.size()), 4);
  };
  Bytes ihdr(13, 0);
  put_be(ihdr, 0, width, 4);
  put_be(ihdr, 4, height, 4);
  ihdr[8] = 8;  // bit depth
  ihdr[9] = 2;  // RGB
  chunk("IHDR", ihdr);
  chunk("IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
  chunk("IEND", {});
  return b;
}

// A JPEG's frame header holds 16-bit sides: the largest it can claim.
Bytes jpeg_claiming_the_largest(const Bytes& valid) {
  Bytes b = valid;
  for (std::size_t i = 2; i + 9 < b.size(); ++i) {
    if (b[i] == 0xFF && (b[i + 1] == 0xC0 || b[i + 1] == 0xC2)) {
      put_be(b, i + 5, 0xFFFF, 2);
      put_be(b, i + 7, 0xFFFF, 2);
      break;
    }
  }
  return b;
}

enum class Damage { Missing, Empty, CutAtHalf, OtherFormat, HugeHeader };

const char* name_of(Damage d) {
  switch (d) {
    case Damage::Missing: return "missing";
    case Damage::Empty: return "empty";
    case Damage::CutAtHalf: return "cut at half";
    case Damage::OtherFormat: return "another format";
    case Damage::HugeHeader: return "huge header";
  }
  return "?";
}

class BadInputs : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override { return slatebar::unavailable(); }

  // Starts the prepared folder, answers every box (the confirmation with
  // No), and checks that the program is still there with its bar and a
  // bounded memory, then that it ends with 0 when asked.
  std::vector<BoxSeen> start_and_end(const fs::path& folder) {
    auto started = slatebar::start_in(s(), folder, startup_policy());
    EXPECT_TRUE(started) << started.error();
    if (!started) return {};
    WineProcess& process = *started->process;
    EXPECT_TRUE(process.running()) << "the program ended after its boxes; it said: " << process.errors();
    // The decoders refuse a claimed size before reserving its memory.
    const auto memory = process.memory();
    EXPECT_TRUE(memory) << "no memory figures for the program";
    if (memory) {
      EXPECT_LT(memory->anonymous_kb, 400 * 1024) << "anonymous resident KiB";
    }
    auto posted = s().close_class(slatebar::kBarClass);
    EXPECT_TRUE(posted && *posted >= 1);
    const auto status = process.wait_exit(30s);
    EXPECT_TRUE(status && status->exited_with(0)) << (status ? ::testing::PrintToString(*status) : "still running");
    EXPECT_TRUE(s().end_wine());
    return started->boxes;
  }
};

bool said(const std::vector<BoxSeen>& boxes, const std::string& piece) {
  return std::any_of(boxes.begin(), boxes.end(), [&](const BoxSeen& b) { return b.text.find(piece) != std::string::npos; });
}

TEST_F(BadInputs, EachPictureDamagedInTurn) {
  const fs::path dist = paths::dist_dir();
  const Bytes jpeg = read_file(dist / "pics" / "logon.jpg");
  const Bytes png = read_file(dist / "pics" / "O.png");
  const Bytes bmp = bitmap(64, 64, 64 * 64 * 3);
  ASSERT_FALSE(jpeg.empty());
  ASSERT_FALSE(png.empty());
  struct File {
    const char* name;
    Bytes valid;
    Bytes other;  // another format under this name
    Bytes huge;
  };
  const File files[] = {
      {"logon.jpg", jpeg, png, jpeg_claiming_the_largest(jpeg)},
      {"O.png", png, jpeg, png_claiming(100000, 100000)},
      {"Chat.png", read_file(dist / "pics" / "Chat.png"), jpeg, png_claiming(100000, 100000)},
      {"Mail.png", read_file(dist / "pics" / "Mail.png"), jpeg, png_claiming(100000, 100000)},
      {"user.bmp", bmp, png, bitmap(100000, 100000, 64)},
  };
  const Damage damages[] = {Damage::Missing, Damage::Empty, Damage::CutAtHalf, Damage::OtherFormat, Damage::HugeHeader};
  int row = 0;
  for (const File& f : files) {
    for (Damage d : damages) {
      SCOPED_TRACE(std::string(f.name) + ", " + name_of(d));
      auto folder = slatebar::fresh_copy(s(), "bad-input-" + std::to_string(row++));
      ASSERT_TRUE(folder) << folder.error();
      const fs::path file = *folder / "pics" / f.name;
      // Every other start has a good account picture, so that only the
      // file of the row is at fault.
      if (std::string(f.name) != "user.bmp") write_file(*folder / "pics" / "user.bmp", bmp);
      switch (d) {
        case Damage::Missing: fs::remove(file); break;
        case Damage::Empty: write_file(file, {}); break;
        case Damage::CutAtHalf: write_file(file, Bytes(f.valid.begin(), f.valid.begin() + f.valid.size() / 2)); break;
        case Damage::OtherFormat: write_file(file, f.other); break;
        case Damage::HugeHeader: write_file(file, f.huge); break;
      }
      const auto boxes = start_and_end(*folder);
      const bool user = std::string(f.name) == "user.bmp";
      if (user && d == Damage::Missing) {
        // No picture to copy from the temporary folder: the program asks
        // to open the accounts panel, then says it could not.
        EXPECT_TRUE(said(boxes, "User Account")) << ::testing::PrintToString(boxes);
        EXPECT_TRUE(said(boxes, "There were errors.")) << ::testing::PrintToString(boxes);
      } else if (!user && d == Damage::OtherFormat) {
        // The lock screen's pictures are read by their content, whatever
        // their name says: a PNG named logon.jpg is shown, and nothing is
        // said beyond the compositor notice.
        for (const BoxSeen& b : boxes) EXPECT_EQ(b.text, "Aero Disabled") << b;
      } else if (user && (d == Damage::OtherFormat || d == Damage::Empty)) {
        // Not a bitmap at all: the toolkit's own message for bitmaps.
        EXPECT_TRUE(said(boxes, "Bitmap image is not valid")) << ::testing::PrintToString(boxes);
      } else {
        EXPECT_TRUE(said(boxes, std::string("pics\\") + f.name)) << ::testing::PrintToString(boxes);
      }
    }
  }
}

TEST_F(BadInputs, AFolderThatCannotTakePicsSaysSoAndRunsOn) {
  auto folder = slatebar::fresh_copy(s(), "read-only");
  ASSERT_TRUE(folder) << folder.error();
  fs::remove_all(*folder / "pics");
  // Wine maps a folder without write permission to a read-only one; as
  // root the permission bits alone would not stop the creation, so the
  // name is taken by a file, which no user can make a folder over.
  write_file(*folder / "pics", {});
  const auto boxes = start_and_end(*folder);
  EXPECT_TRUE(said(boxes, "Can't create pics folder")) << ::testing::PrintToString(boxes);
}

// Blanks, and letters no single-byte code page holds all of (Greek,
// Cyrillic and Japanese side by side).
TEST_F(BadInputs, OddFolderNamesFindTheirPictures) {
  for (const char* name : {"with blanks in it", "\u03a9mega \u0416 \u65e5\u672c"}) {
    SCOPED_TRACE(name);
    auto folder = slatebar::fresh_copy(s(), name);
    ASSERT_TRUE(folder) << folder.error();
    write_file(*folder / "pics" / "user.bmp", bitmap(64, 64, 64 * 64 * 3));
    const auto boxes = start_and_end(*folder);
    // Only the compositor notice: every picture and the start page found.
    for (const BoxSeen& b : boxes) EXPECT_EQ(b.text, "Aero Disabled") << b;
  }
}

}  // namespace
}  // namespace e2e
