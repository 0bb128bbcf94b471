/* Only the live page itself reaches the simulation: another site's page,
 * or another site's name resolving to the loopback address, is refused. */
#include "emulator/runner/live/http/same_site.h"

#include <gtest/gtest.h>

namespace {

struct Headers {
    const char* host;
    const char* origin;
    const char* fetchSite;
    bool allowed;
};

TEST(SameSite, OnlyThePageOfThisPortOnTheLoopbackAddress)
{
    const Headers cases[] = {
        {"127.0.0.1:8080", "", "", true},
        {"localhost:8080", "", "", true},
        {"127.0.0.1:8080", "http://127.0.0.1:8080", "same-origin", true},
        {"localhost:8080", "http://localhost:8080", "", true},
        {"127.0.0.1:8080", "", "none", true},  // the address typed, a download opened
        {"127.0.0.1:8080", "http://evil.example", "", false},
        {"127.0.0.1:8080", "null", "", false},
        {"127.0.0.1:8080", "http://127.0.0.1:8081", "", false},
        {"127.0.0.1:8080", "https://127.0.0.1:8080", "", false},
        {"evil.example:8080", "", "", false},  // a rebound name
        {"127.0.0.1:80800", "", "", false},
        {"127.0.0.1", "", "", false},
        {"", "", "", false},
        // Another page's image or link: a GET without an Origin.
        {"127.0.0.1:8080", "", "cross-site", false},
        {"127.0.0.1:8080", "", "same-site", false},  // another port of this machine
        {"127.0.0.1:8080", "", "anything else", false},
    };
    for (const Headers& h : cases)
        EXPECT_EQ(live::SameSite(h.host, h.origin, h.fetchSite, 8080), h.allowed)
            << h.host << " / " << h.origin << " / " << h.fetchSite;
}

}  // namespace
