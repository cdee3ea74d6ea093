// SPDX-License-Identifier: MIT
// One run of the opener at a time per user and capsule root: a lock file in
// the user's runtime folder (or cache, without one), named after the root's
// canonical path, so that two spellings of one folder share their lock.
//
// A lock can never hold runs off for ever: one without a live owner (a dead
// process, or a file left empty or unreadable by a crash) is taken over, and
// a lock that cannot be made at all (a folder that is not writable, a file in
// its place, a full disk) lets the run go on without it, with a report.
#pragma once

#include <QLockFile>
#include <memory>
#include <optional>
#include <string>

#include "base/failure.h"

namespace mj::platform {

class run_lock {
 public:
  enum class state {
    held,         // this run holds the lock
    busy,         // another live run holds it
    unavailable,  // it cannot be made; `problem` says why
  };

  // Tries once, without waiting, to take the lock of `canonical_root`.
  explicit run_lock(const std::string& canonical_root);
  ~run_lock();

  state status() const { return state_; }
  const std::optional<failure>& problem() const { return problem_; }
  const std::string& path() const { return path_; }

  // Gives the lock back early (a run whose window was closed).
  void release();

 private:
  std::string path_;
  std::unique_ptr<QLockFile> file_;
  state state_ = state::unavailable;
  std::optional<failure> problem_;
};

// Where the lock of `canonical_root` lives.
std::string run_lock_path(const std::string& canonical_root);

}  // namespace mj::platform
