// Windows bitmap files as the tests and the tour plant them: the account
// picture that the accounts panel leaves in the temporary folder, and
// pictures with forged headers. 24 bits a pixel, rows bottom-up, as the
// accounts panel writes them, through the tests' one bitmap writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "driver/geometry.h"

namespace e2e {

class Session;

// The 54 bytes of file and info header, followed by `pixel_bytes` bytes of
// `fill`. The sizes are written as given, so that a test can forge them.
std::vector<char> bitmap_header(std::uint32_t width, std::uint32_t height, std::size_t pixel_bytes, char fill = 0);

// A whole picture; `pixel(x, y)` with y counted from the top.
std::vector<char> bitmap_file(int width, int height, const std::function<Rgb(int x, int y)>& pixel);

// Where the accounts panel leaves the user's picture in the prefix.
std::filesystem::path account_picture_path(const Session& session);
// The picture written there (the folder made if need be).
std::expected<void, std::string> place_account_picture(const Session& session, const std::vector<char>& bytes);

}  // namespace e2e
