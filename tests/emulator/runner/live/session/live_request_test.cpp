/* The page's requests decode to the action a scenario would write, and
 * anything else is refused with why: the server passes the why on. */
#include "emulator/runner/live/session/live_request.h"

#include <gtest/gtest.h>

namespace {

const live::KnownWorld world{{1, 7}, {"Weapons", "Collision Control"}, {"L"}};

struct Decoded {
    const char* body;
    const char* verb;  // the action's, or "control"
    std::vector<std::string> args;
};

TEST(LiveRequest, DecodesEachActionAsAScenarioWritesIt)
{
    const Decoded cases[] = {
        {R"({"do":"open","display":"R","mode":"Weapons"})", "open", {"Weapons", "on", "", "as", "R"}},
        {R"({"do":"open","display":"L","mode":"none"})", "close", {"L"}},
        {R"({"do":"key","display":"L","key":25})", "key", {"L", "P"}},
        {R"({"do":"key","display":"L","key":11})", "key", {"L", "0"}},
        {R"({"do":"key","display":"L","key":51})", "key", {"L", "comma"}},
        {R"({"do":"key","display":"L","key":255})", "key", {"L", "0xff"}},
        {R"({"do":"button","display":"L","index":11})", "button", {"L", "11"}},
        {R"( { "text" : "5\u00e90", "do" : "type" } )", "type", {"5\xC3\xA9" "0"}},
        {R"({"do":"type","text":"a \\ b # c"})", "type", {"a \\ b # c"}},
        {R"({"do":"cancel"})", "cancel", {}},
        {R"({"do":"focus","vessel":7})", "focus", {}},
        {R"({"do":"save","name":"after-bomb_2"})", "save", {"after-bomb_2.scn"}},
        {R"({"do":"load","name":"before bomb"})", "load", {"before bomb.scn"}},
        {R"({"do":"load","name":"Listed nowhere"})", "load", {"Listed nowhere.scn"}},
    };
    for (const Decoded& c : cases) {
        live::LiveCommand command;
        std::string error;
        ASSERT_TRUE(live::DecodeRequest(c.body, world, command, error)) << c.body << ": " << error;
        EXPECT_EQ(command.control, live::Control::action) << c.body;
        EXPECT_EQ(command.action.verb, c.verb) << c.body;
        EXPECT_EQ(command.action.args, c.args) << c.body;
        // A vessel by its serial: its name may be another's too.
        EXPECT_EQ(command.vessel, c.verb == std::string("focus") ? 7u : 0u) << c.body;
    }
}

TEST(LiveRequest, DecodesCommandsOnTime)
{
    const std::pair<const char*, live::Control> cases[] = {{R"({"do":"pause"})", live::Control::pause},
                                                           {R"({"do":"resume"})", live::Control::resume},
                                                           {R"({"do":"step"})", live::Control::step},
                                                           {R"({"do":"warp","x":100})", live::Control::warp}};
    for (const auto& [body, control] : cases) {
        live::LiveCommand command;
        std::string error;
        ASSERT_TRUE(live::DecodeRequest(body, world, command, error)) << body << ": " << error;
        EXPECT_EQ(command.control, control) << body;
    }
    live::LiveCommand command;
    std::string error;
    ASSERT_TRUE(live::DecodeRequest(R"({"do":"warp","x":1000})", world, command, error));
    EXPECT_EQ(command.warp, 1000.0);
}

TEST(LiveRequest, RefusesWithWhy)
{
    const std::string longest(live::longestTypedText, 'x');
    const std::pair<std::string, const char*> cases[] = {
        {"", "expected a JSON object"},
        {"[1]", "expected a JSON object"},
        {R"({"do":"pause")", "expected ',' or '}'"},
        {R"({"do":"pause"} x)", "text after the object"},
        {R"({"do":"pause","do":"step"})", "given twice"},
        {R"({"do":"type","text":"a\qb"})", "unknown escape"},
        {R"({"do":"type","text":"\ud800"})", "half a character"},
        {"{\"do\":\"type\",\"text\":\"a\tb\"}", "control character"},
        {R"({"do":"type","text":"a\u0000b"})", "control character"},
        {R"({"do":"type","text":"say \"hi\""})", "'\"'"},
        {R"({"do":"type","text":")" + longest + R"(x"})", "longer than the input box"},
        {R"({"do":"key","display":"L","key":256})", "from 0 to 255"},
        {R"({"do":"key","display":"L","key":-1})", "from 0 to 255"},
        {R"({"do":"key","display":"L","key":2.5})", "whole number"},
        {R"({"do":"key","display":"L","key":"25"})", "from 0 to 255"},
        {R"({"do":"key","display":"R","key":25})", "display R shows no mode"},
        {R"({"do":"key","display":"C","key":25})", "no display \"C\""},
        {R"({"do":"button","display":"L","index":12})", "from 0 to 11"},
        {R"({"do":"button","display":"L","index":99999999999999999999999})", "from 0 to 11"},
        {R"({"do":"open","display":"L","mode":"Radar"})", "no display mode \"Radar\""},
        {R"({"do":"focus","vessel":3})", "no vessel 3"},
        {R"({"do":"focus","vessel":"ISS A"})", "whole number"},
        {R"({"do":"warp","x":5})", "1, 10, 100 or 1000"},
        {R"({"do":"launch"})", "unknown action"},
        // A saved scenario is a plain name in the root folder, nothing more.
        {R"({"do":"save","name":"../escape"})", "a scenario's name is"},
        {R"({"do":"save","name":"C:\\Windows\\x"})", "a scenario's name is"},
        {R"({"do":"save","name":"x.dll"})", "a scenario's name is"},
        {R"({"do":"save","name":" lead"})", "a scenario's name is"},
        {R"({"do":"save","name":""})", "a scenario's name is"},
        {R"({"do":"save","name":")" + std::string(65, 'a') + R"("})", "a scenario's name is"},
        {R"({"do":"save","name":"été"})", "a scenario's name is"},
        {R"({"do":"load","name":"../escape"})", "a scenario's name is"},
        {R"({"do":"load"})", "expected a text \"name\""},
        {R"({"verb":"pause"})", "expected a text \"do\""},
        {R"({"a":1,"b":2,"c":3,"d":4,"e":5,"f":6,"g":7,"h":8,"i":9})", "too many fields"},
    };
    for (const auto& [body, why] : cases) {
        live::LiveCommand command;
        std::string error;
        EXPECT_FALSE(live::DecodeRequest(body, world, command, error)) << body;
        EXPECT_NE(error.find(why), std::string::npos) << body << ": " << error;
    }
    live::LiveCommand command;
    std::string error;
    EXPECT_TRUE(live::DecodeRequest(R"({"do":"type","text":")" + longest + R"("})", world, command, error)) << error;
}

// A session that holds as much as a scenario can takes no action more, but
// time still answers.
TEST(LiveRequest, AFullSessionRefusesActionsButNotTime)
{
    live::KnownWorld full = world;
    full.full = true;
    live::LiveCommand command;
    std::string error;
    EXPECT_FALSE(live::DecodeRequest(R"({"do":"cancel"})", full, command, error));
    EXPECT_NE(error.find("take it home"), std::string::npos) << error;
    EXPECT_TRUE(live::DecodeRequest(R"({"do":"pause"})", full, command, error)) << error;
}

}  // namespace
