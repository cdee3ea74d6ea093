#include "opener/opening_queue.h"

namespace mj {

opening_queue::opening_queue(const std::vector<queue_entry>& entries) {
  open_queue_.reserve(entries.size());
  for (const queue_entry& e : entries) open_queue_.push_back(e.path);
}

std::optional<std::string> opening_queue::tick() {
  if (open_index_ >= open_queue_.size()) return std::nullopt;
  return open_queue_[open_index_++];
}

}  // namespace mj
