/* The input box hands its confirmed text to its callback once. */
#include "tests/emulator/host/host_fixture.h"

#include "host/host_api.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string received;
void* receivedId;

bool Remember(void* id, char* text, void* context)
{
    received = text;
    receivedId = id;
    return context != nullptr;
}

}  // namespace

TEST_F(HostTest, AnInputBoxHandsTheConfirmedTextToItsCallbackOnce)
{
    int context = 0;
    oapiOpenInputBox(HostText("Select power (Kt)"), Remember, nullptr, 20, &context);
    ASSERT_TRUE(host.inputBox().isOpen());
    EXPECT_EQ(host.inputBox().title(), "Select power (Kt)");
    EXPECT_EQ(host.inputBox().visibleLength(), 20);

    EXPECT_TRUE(host.inputBox().confirm("50"));
    EXPECT_EQ(received, "50");
    EXPECT_FALSE(host.inputBox().isOpen());
    EXPECT_FALSE(host.inputBox().confirm("60")) << "a closed box takes nothing";
    EXPECT_EQ(received, "50");
}

TEST_F(HostTest, AnInputBoxHoldsWhatTheHostsFieldHoldsAndPassesItselfAsTheId)
{
    oapiOpenInputBox(HostText("Select power (Kt)"), Remember, nullptr, 20, nullptr);
    host.inputBox().confirm(std::string(200, '7'));
    EXPECT_EQ(received, std::string(127, '7'));
    EXPECT_EQ(receivedId, &host.inputBox());
    EXPECT_FALSE(host.inputBox().isOpen()) << "closed, whatever the callback answered";
}
