/* The queue between the server and the simulation holds a bounded number of
 * commands: one more is refused, not kept, and room comes back once the
 * simulation has taken them, in the order they came. */
#include "emulator/runner/live/session/command_queue.h"

#include <gtest/gtest.h>

TEST(CommandQueue, RefusesBeyondItsCapacityUntilTaken)
{
    live::CommandQueue queue;
    for (size_t i = 0; i < live::CommandQueue::capacity; ++i) {
        live::LiveCommand command;
        command.warp = double(i);
        ASSERT_TRUE(queue.push(command)) << i;
    }
    EXPECT_FALSE(queue.push(live::LiveCommand{}));
    std::deque<live::LiveCommand> taken = queue.takeAll(std::chrono::milliseconds(0));
    ASSERT_EQ(taken.size(), live::CommandQueue::capacity);
    for (size_t i = 0; i < taken.size(); ++i)
        EXPECT_EQ(taken[i].warp, double(i));
    EXPECT_TRUE(queue.push(live::LiveCommand{}));
    EXPECT_EQ(queue.takeAll(std::chrono::milliseconds(0)).size(), 1u);
    EXPECT_TRUE(queue.takeAll(std::chrono::milliseconds(1)).empty());
}
