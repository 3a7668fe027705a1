// The shipped start page and help page: valid HTML by Debian's checker,
// every local link and picture present in the menu folder that ships
// beside the exe, nothing fetched from anywhere, and, rendered by a real
// browser (Wine renders no page here), not blank and never wider than the
// window at the sizes the frame meets. The renders are kept in
// start-page/ of the working folder for a person to look at.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "image/decode.h"

namespace {

namespace fs = std::filesystem;

const fs::path kMenu = fs::path(SLATEBAR_SOURCE_DIR) / "resources" / "menu";
const char* const kPages[] = {"index.htm", "help.htm"};

struct Ran {
  int status = -1;
  std::string output;  // stdout and stderr
};

Ran run(const std::string& command) {
  Ran r;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) r.output.append(buffer, n);
  const int raw = ::pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

std::string read_text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool has_program(const char* name) { return run(std::string("command -v ") + name).status == 0; }

// A value of an attribute or of url(...) in a page.
struct Reference {
  std::string kind;  // "href", "src", "url"
  std::string value;
};

std::vector<Reference> references(const std::string& html) {
  std::vector<Reference> out;
  static const std::regex attribute(R"re(\b(href|src)\s*=\s*("([^"]*)"|'([^']*)'))re", std::regex::icase);
  for (auto it = std::sregex_iterator(html.begin(), html.end(), attribute); it != std::sregex_iterator(); ++it) {
    out.push_back({lower((*it)[1]), (*it)[3].matched ? (*it)[3].str() : (*it)[4].str()});
  }
  static const std::regex css_url(R"re(url\(\s*['"]?([^'")]*)['"]?\s*\))re", std::regex::icase);
  for (auto it = std::sregex_iterator(html.begin(), html.end(), css_url); it != std::sregex_iterator(); ++it) {
    out.push_back({"url", (*it)[1].str()});
  }
  return out;
}

bool is_remote(const std::string& v) {
  const std::string l = lower(v);
  return l.starts_with("//") || l.find("://") != std::string::npos || l.starts_with("data:") ||
         l.starts_with("javascript:") || l.starts_with("mailto:");
}

TEST(StartPageFiles, TheHtmlCheckerFindsNoErrors) {
  ASSERT_TRUE(has_program("tidy")) << "tidy is missing: run scripts/install-deps";
  for (const char* page : kPages) {
    const Ran r = run("tidy -q -e --show-warnings yes '" + (kMenu / page).string() + "'");
    // tidy: 0 clean, 1 warnings only, 2 errors.
    EXPECT_LT(r.status, 2) << page << ":\n" << r.output;
    EXPECT_EQ(r.output.find("Error:"), std::string::npos) << page << ":\n" << r.output;
  }
}

// Links may lead to the web (a person follows them); everything a page
// loads by itself must be local, and every local name must be there.
TEST(StartPageFiles, LocalReferencesResolveAndNothingIsFetched) {
  const fs::path menu = fs::weakly_canonical(kMenu);
  for (const char* page : kPages) {
    SCOPED_TRACE(page);
    const std::string html = read_text(kMenu / page);
    ASSERT_FALSE(html.empty());
    const std::string l = lower(html);
    EXPECT_EQ(l.find("<script"), std::string::npos) << "no script";
    EXPECT_EQ(l.find("<link"), std::string::npos) << "no linked style sheet or icon";
    EXPECT_EQ(l.find("@import"), std::string::npos) << "no imported style sheet";
    EXPECT_EQ(l.find("<iframe"), std::string::npos);
    EXPECT_NE(l.find(R"(<meta http-equiv="x-ua-compatible" content="ie=edge">)"), std::string::npos)
        << "the embedded control needs the newest document mode asked for";

    std::size_t local = 0;
    for (const Reference& ref : references(html)) {
      if (ref.value.empty() || ref.value.starts_with("#")) continue;
      if (is_remote(ref.value)) {
        EXPECT_EQ(ref.kind, "href") << "fetched from elsewhere: " << ref.value;
        EXPECT_TRUE(lower(ref.value).starts_with("https://") || lower(ref.value).starts_with("http://"))
            << ref.value;
        continue;
      }
      std::string name = ref.value.substr(0, ref.value.find_first_of("?#"));
      const fs::path target = fs::weakly_canonical(menu / name);
      const auto [end, _] = std::mismatch(menu.begin(), menu.end(), target.begin(), target.end());
      EXPECT_EQ(end, menu.end()) << ref.value << " lies outside the menu folder";
      EXPECT_TRUE(fs::is_regular_file(target)) << ref.value << " is not in the menu folder";
      ++local;
    }
    EXPECT_GT(local, 0u) << "each page links to the other";
  }
}

// The page as a browser lays it out at one window size: how wide its
// content is against the window, read by a script added to a copy.
struct Layout {
  int content_width = -1;
  int window_width = -1;
};

Layout measure(const fs::path& page, int width, int height) {
  const fs::path scratch = fs::temp_directory_path() / ("slatebar-start-page-" + std::to_string(::getpid()));
  fs::remove_all(scratch);
  fs::copy(kMenu, scratch, fs::copy_options::recursive);
  const fs::path copy = scratch / page.filename();
  {
    std::ofstream out(copy, std::ios::app);
    out << "<script>addEventListener('load', function () { document.title = 'layout ' + "
           "document.documentElement.scrollWidth + ' ' + window.innerWidth; });</script>";
  }
  const Ran r = run("timeout 60 chromium --headless --no-sandbox --disable-gpu --virtual-time-budget=2000 "
                    "--window-size=" + std::to_string(width) + "," + std::to_string(height) +
                    " --dump-dom 'file://" + copy.string() + "'");
  fs::remove_all(scratch);
  Layout l;
  static const std::regex title(R"(<title>layout (\d+) (\d+)</title>)");
  std::smatch m;
  if (std::regex_search(r.output, m, title)) {
    l.content_width = std::stoi(m[1]);
    l.window_width = std::stoi(m[2]);
  }
  return l;
}

TEST(StartPageFiles, RenderedByARealBrowserNotBlankAndNeverTooWide) {
  ASSERT_TRUE(has_program("chromium")) << "chromium is missing: run scripts/install-deps";
  const fs::path out = fs::current_path() / "start-page";
  fs::create_directories(out);
  struct Size {
    int width, height;
  };
  for (const Size size : {Size{1280, 720}, Size{800, 600}}) {
    for (const char* page : kPages) {
      const std::string tag = std::string(page) + " at " + std::to_string(size.width) + "x" + std::to_string(size.height);
      SCOPED_TRACE(tag);
      const Layout layout = measure(kMenu / page, size.width, size.height);
      ASSERT_GT(layout.window_width, 0) << "the browser did not lay the page out";
      EXPECT_EQ(layout.window_width, size.width);
      EXPECT_LE(layout.content_width, layout.window_width) << "the page needs a horizontal scroll bar";

      const fs::path shot = out / (fs::path(page).stem().string() + "-" + std::to_string(size.width) + "x" +
                                   std::to_string(size.height) + ".png");
      fs::remove(shot);
      const Ran r = run("timeout 60 chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=" +
                        std::to_string(size.width) + "," + std::to_string(size.height) + " --screenshot='" +
                        shot.string() + "' 'file://" + (kMenu / page).string() + "'");
      const std::string bytes = read_text(shot);
      ASSERT_FALSE(bytes.empty()) << "no screenshot:\n" << r.output;
      auto image = image::decode_picture(
          std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
      ASSERT_TRUE(image.has_value());
      EXPECT_EQ(image->width, size.width);
      EXPECT_EQ(image->height, size.height);
      // The frame's dark purple behind everything, and a good part of the
      // window drawn in other colours: tiles, glyphs, text.
      const std::uint32_t background = 0x340053;
      EXPECT_EQ(image->at(2, 2) & 0xFFFFFF, background);
      std::size_t drawn = 0;
      std::set<std::uint32_t> colours;
      for (std::uint32_t px : image->pixels) {
        if ((px & 0xFFFFFF) != background) ++drawn;
        if (colours.size() < 64) colours.insert(px & 0xFFFFFF);
      }
      EXPECT_GT(static_cast<double>(drawn) / image->pixels.size(), 0.04) << "almost nothing drawn";
      EXPECT_GE(colours.size(), 8u) << "hardly any colours: a blank page";
    }
  }
}

}  // namespace
