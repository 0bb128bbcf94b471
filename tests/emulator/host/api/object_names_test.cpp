/* Object names as the host hands them out: cut to the buffer, terminated. */
#include "tests/emulator/host/host_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST_F(HostTest, ObjectNamesAreCutToTheGivenLengthAndAlwaysTerminated)
{
    std::string name(300, 'x');
    OBJHANDLE h = Ship(name.c_str());
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);

    oapiGetObjectName(h, buffer, 8);
    EXPECT_STREQ(buffer, "xxxxxxx");
    EXPECT_EQ(buffer[8], '#');
    oapiGetObjectName(nullptr, buffer, 8);
    EXPECT_STREQ(buffer, "xxxxxxx") << "a null handle is a fault, and the buffer is left alone";
    EXPECT_EQ(host.faults(), std::vector<std::string>{"oapiGetObjectName: the handle is null"});
}
