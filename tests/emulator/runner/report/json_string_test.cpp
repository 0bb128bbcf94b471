/* Text from the run goes into the page's JSON: nothing in it may end the
 * script element, open markup, or break the JSON. */
#include "emulator/runner/report/json_writer.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::string text;
    std::string json;
};

TEST(JsonString, EscapesWhatCouldBreakOrScriptThePage)
{
    const Case cases[] = {
        {"GL-01", "\"GL-01\""},
        {"say \"hi\"\\", "\"say \\\"hi\\\"\\\\\""},
        {"</script><script>alert(1)</script>", "\"\\u003c/script\\u003e\\u003cscript\\u003ealert(1)\\u003c/script\\u003e\""},
        {"a&b", "\"a\\u0026b\""},
        {std::string("tab\tnew\nnul\0bell\x07" "del\x7f", 21), "\"tab\\u0009new\\u000anul\\u0000bell\\u0007del\\u007f\""},
        {"line\xE2\x80\xA8para\xE2\x80\xA9", "\"line\\u2028para\\u2029\""},
        {"k\xC3\xBChl \xE2\x82\xAC \xF0\x9F\x9A\x80", "\"k\xC3\xBChl \xE2\x82\xAC \xF0\x9F\x9A\x80\""},
        // bytes that are not UTF-8 stay as the characters of their values
        {"bad\xFF\xC3", "\"bad\\u00ff\\u00c3\""},
        {"over\xC0\xAF", "\"over\\u00c0\\u00af\""},
        {"surrogate\xED\xA0\x80", "\"surrogate\\u00ed\\u00a0\\u0080\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(report::JsonString(c.text), c.json) << c.text;
}

TEST(JsonNumber, IsShortAndNeverInvalid)
{
    EXPECT_EQ(report::JsonNumber(1.5e6, 4), "1.5e6");
    EXPECT_EQ(report::JsonNumber(-2.5e-7, 4), "-2.5e-7");
    EXPECT_EQ(report::JsonNumber(86400.25, 9), "86400.25");
    EXPECT_EQ(report::JsonNumber(0.0), "0");
    EXPECT_EQ(report::JsonNumber(1.0 / 0.0), "null");
    EXPECT_EQ(report::JsonNumber(0.0 / 0.0), "null");
}

}  // namespace
