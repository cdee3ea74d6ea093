// The opening queue as the timer works through it: one file per tick, and the
// end of the run at the tick after the last one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "opener/due_file_selection.h"

namespace mj {

class opening_queue {
 public:
  opening_queue() = default;
  explicit opening_queue(const std::vector<queue_entry>& entries);

  // One tick: the path to hand to the desktop, or nullopt when every file has
  // been handed over and the run is to end.
  std::optional<std::string> tick();

  size_t open_count() const { return open_queue_.size(); }
  size_t open_index() const { return open_index_; }

 private:
  std::vector<std::string> open_queue_;
  size_t open_index_ = 0;  // the number of the entry the last tick handed over
};

}  // namespace mj
