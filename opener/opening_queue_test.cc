#include "opener/opening_queue.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

TEST(OpeningQueue, HandsOverOneFilePerTickThenEnds) {
  opening_queue queue({{"/c/root.txt", std::nullopt}, {"/c/T/a", 0}, {"/c/T/b", 0}});
  EXPECT_EQ(queue.open_count(), 3u);
  EXPECT_EQ(queue.tick(), "/c/root.txt");
  EXPECT_EQ(queue.tick(), "/c/T/a");
  EXPECT_EQ(queue.tick(), "/c/T/b");
  EXPECT_EQ(queue.open_index(), 3u);
  EXPECT_EQ(queue.tick(), std::nullopt);
  EXPECT_EQ(queue.tick(), std::nullopt);  // a late tick after the end hands over nothing
}

TEST(OpeningQueue, AnEmptyQueueEndsAtTheFirstTick) {
  opening_queue queue;
  EXPECT_EQ(queue.tick(), std::nullopt);
  EXPECT_EQ(queue.open_index(), 0u);
}

}  // namespace
}  // namespace mj
