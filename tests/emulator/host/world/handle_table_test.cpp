/* Handles are generational: a handle kept past its object finds nothing.
 * Objects stay where they were made while they live. */
#include "emulator/host/world/handle_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

/* Counts the objects alive, so that a table that forgets to destroy one, or
 * destroys one twice, is seen. */
struct Counted {
    explicit Counted(int v) : value(v) { ++alive; }
    Counted(Counted&& other) noexcept : value(other.value) { ++alive; }
    ~Counted() { --alive; }
    int value;
    static int alive;
};
int Counted::alive = 0;

}  // namespace

TEST(HandleTable, AHandleKeptPastItsObjectFindsNothingEvenWhenTheSlotIsReused)
{
    emu::HandleTable<int> table(2);
    emu::HandleTable<int> other(3);
    void* first = table.insert(1);
    EXPECT_EQ(table.erase(first).value_or(0), 1);
    void* second = table.insert(2);

    EXPECT_EQ(table.find(first), nullptr);
    EXPECT_FALSE(table.erase(first).has_value()) << "erasing twice takes nothing";
    ASSERT_NE(table.find(second), nullptr);
    EXPECT_EQ(*table.find(second), 2);
    EXPECT_EQ(other.find(second), nullptr) << "a handle of one kind is no handle of another";
    EXPECT_EQ(table.find(nullptr), nullptr);
}

TEST(HandleTable, AnObjectStaysPutWhileManyMoreAreMadeAndEveryOneIsDestroyedOnce)
{
    {
        emu::HandleTable<Counted> table(2);
        void* firstHandle = table.insert(Counted(-1));
        const Counted* first = table.find(firstHandle);
        std::vector<void*> handles;
        for (int i = 0; i < 5000; ++i)  // several blocks' worth
            handles.push_back(table.insert(Counted(i)));
        EXPECT_EQ(table.find(firstHandle), first);
        EXPECT_EQ(first->value, -1);
        for (int i = 0; i < 5000; i += 2)
            table.erase(handles[size_t(i)]);
        EXPECT_EQ(Counted::alive, 1 + 2500);
        for (int i = 1; i < 5000; i += 2)
            EXPECT_EQ(table.find(handles[size_t(i)])->value, i);
    }
    EXPECT_EQ(Counted::alive, 0) << "the table destroys what it still holds";
}

TEST(HandleTable, AFullTableRefusesAndKeepsWhatItHolds)
{
    emu::HandleTable<char> table(2);
    void* last = nullptr;
    int made = 0;
    while (void* h = table.insert('x')) {
        last = h;
        ++made;
        ASSERT_LE(made, 1 << 21) << "a table that never fills";
    }
    EXPECT_EQ(made, (1 << 20) - 1);
    EXPECT_EQ(table.find(last) ? *table.find(last) : 0, 'x');
    table.erase(last);
    EXPECT_NE(table.insert('y'), nullptr) << "a freed slot takes a new object";
}
