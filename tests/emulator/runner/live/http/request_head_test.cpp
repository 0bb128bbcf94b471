/* A request's head is judged as its bytes arrive: whole, still arriving,
 * or over a limit, the same whatever pieces it comes in. */
#include "emulator/runner/live/http/request_head.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using State = live::RequestHead::State;

std::string Head(int headerLines, size_t valueBytes = 1, const char* newline = "\r\n")
{
    std::string head = std::string("GET / HTTP/1.1") + newline;
    for (int i = 0; i < headerLines; ++i)
        head += "X-" + std::to_string(i) + ": " + std::string(valueBytes, 'v') + newline;
    return head + newline;
}

struct HeadCase {
    std::string text;
    State state;
    const char* what;
};

TEST(RequestHead, IsWholeOrTooLargeWhateverPiecesItArrivesIn)
{
    const live::HeadLimits limits{64, 8192};
    const HeadCase cases[] = {
        {Head(64), State::whole, "64 header lines"},
        {Head(65), State::tooLarge, "65 header lines"},
        {Head(3, 1, "\n"), State::whole, "bare newlines"},
        {Head(3) + std::string(100000, 'b'), State::whole, "a body after the head is not counted"},
        {Head(1, 8192 - 25), State::whole, "8192 bytes in all"},
        {Head(1, 8192 - 24), State::tooLarge, "8193 bytes in all"},
        {Head(2, 7000), State::tooLarge, "two large lines"},
        {"GET / HTTP/1.1\r\nHost: a", State::arriving, "a head cut short"},
        {std::string(9000, 'x'), State::tooLarge, "one line without an end"},
        {"\r\n\r\n", State::whole, "an empty line after an empty request line"},
    };
    for (const HeadCase& c : cases) {
        live::RequestHead whole(limits), byByte(limits);
        EXPECT_EQ(whole.take(c.text.data(), c.text.size()), c.state) << c.what;
        for (char byte : c.text)
            byByte.take(&byte, 1);
        EXPECT_EQ(byByte.state(), c.state) << c.what << ", a byte at a time";
    }
}

}  // namespace
