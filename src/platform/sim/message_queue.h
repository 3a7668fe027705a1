// The thread's queue of posted messages and the quit that ends its loop.
// Input, timers and paints are not queued here: GetMessage makes those
// when the queue of posted messages is empty, in that order.
#pragma once

#include <deque>
#include <optional>

#include "platform/sim/types.h"

namespace sim {

struct PostedMessage {
  HWND hwnd;
  UINT msg;
  std::uintptr_t param;
};

class MessageQueue {
 public:
  void post(const PostedMessage& m) { posted_.push_back(m); }
  std::optional<PostedMessage> take() {
    if (posted_.empty()) return std::nullopt;
    const PostedMessage m = posted_.front();
    posted_.pop_front();
    return m;
  }

  // PostQuitMessage: WM_QUIT comes once the posted messages are gone.
  void post_quit(int exit_code) {
    quit_posted_ = true;
    exit_code_ = exit_code;
  }
  bool quit_posted() const { return quit_posted_; }
  int exit_code() const { return exit_code_; }

 private:
  std::deque<PostedMessage> posted_;
  bool quit_posted_ = false;
  int exit_code_ = 0;
};

}  // namespace sim
