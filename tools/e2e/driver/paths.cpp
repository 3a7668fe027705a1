#include "driver/paths.h"

#include <cstdlib>

namespace e2e::paths {
namespace {

std::filesystem::path from_env(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return std::filesystem::path(value && *value ? value : fallback);
}

}  // namespace

std::filesystem::path source_dir() { return from_env("SLATEBAR_E2E_SOURCE_DIR", SLATEBAR_E2E_SOURCE_DIR_DEFAULT); }
std::filesystem::path build_dir() { return from_env("SLATEBAR_E2E_BUILD_DIR", SLATEBAR_E2E_BUILD_DIR_DEFAULT); }
std::filesystem::path helper_exe() { return from_env("SLATEBAR_E2E_HELPER", SLATEBAR_E2E_HELPER_DEFAULT); }
std::filesystem::path conformance_exe() {
  return from_env("SLATEBAR_E2E_CONFORMANCE", SLATEBAR_E2E_CONFORMANCE_DEFAULT);
}

std::filesystem::path dist_dir() {
  const char* value = std::getenv("SLATEBAR_E2E_DIST");
  return value && *value ? std::filesystem::path(value) : source_dir() / "dist" / "win64";
}

std::filesystem::path prefix_dir() { return build_dir() / "e2e-prefix-64"; }
std::filesystem::path work_root() { return build_dir() / "e2e-work"; }
std::filesystem::path failures_dir() { return build_dir() / "e2e-failures"; }

}  // namespace e2e::paths
