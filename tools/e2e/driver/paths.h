// Where the harness finds what it runs and puts what it leaves. Each has a
// default from the build and can be overridden through the environment, so
// that a test can be pointed at another distributable folder or helper.
#pragma once

#include <filesystem>

namespace e2e::paths {

// SLATEBAR_E2E_SOURCE_DIR, else the source tree this was built from.
std::filesystem::path source_dir();
// SLATEBAR_E2E_BUILD_DIR, else the host build folder.
std::filesystem::path build_dir();
// SLATEBAR_E2E_DIST, else <source>/dist/win64 (slatebar.exe, pics/, menu/).
std::filesystem::path dist_dir();
// SLATEBAR_E2E_HELPER, else the helper exe of the x86_64 MinGW build.
std::filesystem::path helper_exe();
// SLATEBAR_E2E_CONFORMANCE, else the conformance table's exe of the x86_64
// MinGW build.
std::filesystem::path conformance_exe();
// The Wine prefix, made once per build folder and reused.
std::filesystem::path prefix_dir();
// Per test group copies of the distributable folder and process logs.
std::filesystem::path work_root();
// Screenshots and window lists of failed assertions.
std::filesystem::path failures_dir();

}  // namespace e2e::paths
