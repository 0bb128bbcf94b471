/* Handles are generational: a handle kept past its object finds nothing. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/world/handle_table.h"

#include <gtest/gtest.h>

#include <memory>

TEST(HandleTable, AHandleKeptPastItsObjectFindsNothingEvenWhenTheSlotIsReused)
{
    emu::HandleTable<int> table(2);
    emu::HandleTable<int> other(3);
    void* first = table.insert(std::make_unique<int>(1));
    table.erase(first);
    void* second = table.insert(std::make_unique<int>(2));

    EXPECT_EQ(table.find(first), nullptr);
    ASSERT_NE(table.find(second), nullptr);
    EXPECT_EQ(*table.find(second), 2);
    EXPECT_EQ(other.find(second), nullptr) << "a handle of one kind is no handle of another";
    EXPECT_EQ(table.find(nullptr), nullptr);
}
