/* What reaches a terminal or an XML reader: control characters and broken
 * UTF-8 escaped byte by byte, well-formed UTF-8 kept. */
#include "emulator/runner/text/printable_text.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(Printable, EscapesControlsAndBrokenUtf8AndKeepsTheRest)
{
    const std::pair<std::string, std::string> cases[] = {
        {"GL-01 \"B:1\" 50%", "GL-01 \"B:1\" 50%"},
        {"A\0B"s, "A\\x00B"},
        {"\x1b[2J\n\t\x7f", "\\x1B[2J\\x0A\\x09\\x7F"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x9A\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x9A\x80"},
        {"\xC2\x9B", "\\xC2\\x9B"},              // C1: a terminal's CSI
        {"\xFF\xC0\xAF", "\\xFF\\xC0\\xAF"},     // not UTF-8; an overlong "/"
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},     // a surrogate
        {"\xEF\xBF\xBE", "\\xEF\\xBF\\xBE"},     // U+FFFE, not an XML character
        {"\xE2\x82", "\\xE2\\x82"},              // cut in the middle
    };
    for (const auto& [text, printable] : cases)
        EXPECT_EQ(runner::Printable(text), printable);
}
