// The program entry, platform-neutral: the backend's own entry point sets
// the platform and calls this. Returns the process exit code.
#pragma once

namespace app {

int run();

}  // namespace app
