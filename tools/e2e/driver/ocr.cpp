#include "driver/ocr.h"

#include <algorithm>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/windows_side.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Text as the program draws it is white with soft edges; a threshold well
// above the brightest parts of the lock screen's picture keeps only it.
constexpr int kTextLevel = 176;

// Black text on white, which tesseract reads best, as a binary PGM.
std::expected<fs::path, std::string> write_text_picture(const Screenshot& shot, Rect area) {
  static std::atomic<int> counter{0};
  const fs::path path =
      fs::temp_directory_path() / ("slatebar-ocr-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".pgm");
  std::ofstream out(path, std::ios::binary);
  out << "P5\n" << area.width << ' ' << area.height << "\n255\n";
  for (int y = area.y; y < area.bottom(); ++y) {
    for (int x = area.x; x < area.right(); ++x) {
      const Rgb c = shot.at(x, y);
      const bool text = c.r >= kTextLevel && c.g >= kTextLevel && c.b >= kTextLevel;
      out.put(static_cast<char>(text ? 0 : 255));
    }
  }
  if (!out) return std::unexpected("cannot write " + path.string());
  return path;
}

}  // namespace

std::expected<std::vector<OcrWord>, std::string> read_white_text(const Screenshot& shot, Rect area,
                                                                 std::string_view language) {
  auto picture = write_text_picture(shot, area);
  if (!picture) return std::unexpected(picture.error());
  // Sparse text (page segmentation 11): the program's texts stand apart
  // in blocks of a line or two, not in paragraphs.
  const std::string command = "/usr/bin/tesseract '" + picture->string() + "' - -l " + std::string(language) +
                              " --psm 11 tsv 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return std::unexpected("cannot run " + command);
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = ::pclose(pipe);
  std::error_code ignored;
  fs::remove(*picture, ignored);
  if (status != 0) return std::unexpected("tesseract failed (" + std::to_string(status) + "): " + command);
  // level page block paragraph line word left top width height confidence text
  std::vector<OcrWord> words;
  for (std::string_view line : split_lines(output)) {
    const auto f = split_tabs(line);
    if (f.size() != 12 || f[0] != "5" || f[11].find_first_not_of(' ') == std::string_view::npos) continue;
    try {
      OcrWord w;
      w.text = std::string(f[11]);
      w.box = {area.x + std::stoi(std::string(f[6])), area.y + std::stoi(std::string(f[7])),
               std::stoi(std::string(f[8])), std::stoi(std::string(f[9]))};
      w.line = std::stoi(std::string(f[2])) * 10000 + std::stoi(std::string(f[3])) * 100 + std::stoi(std::string(f[4]));
      words.push_back(std::move(w));
    } catch (const std::exception&) {
      return std::unexpected("tesseract output not understood: " + std::string(line));
    }
  }
  return words;
}

std::vector<std::string> lines_of(const std::vector<OcrWord>& words) {
  std::vector<std::string> lines;
  int current = -1;
  for (const OcrWord& w : words) {
    if (lines.empty() || w.line != current) {
      lines.push_back(w.text);
      current = w.line;
    } else {
      lines.back() += ' ' + w.text;
    }
  }
  return lines;
}

std::vector<Rect> line_boxes(const std::vector<OcrWord>& words) {
  std::vector<Rect> boxes;
  int current = -1;
  for (const OcrWord& w : words) {
    if (boxes.empty() || w.line != current) {
      boxes.push_back(w.box);
      current = w.line;
      continue;
    }
    Rect& b = boxes.back();
    const int right = std::max(b.right(), w.box.right()), bottom = std::max(b.bottom(), w.box.bottom());
    b.x = std::min(b.x, w.box.x);
    b.y = std::min(b.y, w.box.y);
    b.width = right - b.x;
    b.height = bottom - b.y;
  }
  return boxes;
}

}  // namespace e2e
