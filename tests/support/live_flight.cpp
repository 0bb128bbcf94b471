#include "support/live_flight.h"

#include "emulator/runner/run/script_player.h"

#include <gtest/gtest.h>

namespace testing_support {

LiveFlight::LiveFlight(const runner::Script& script, runner::RunFiles files)
    : host(root.path()), lines(&out), logStream(&lines), log(host, logStream), tracer(host, trace),
      recorder(host, script)
{
    observers.add(&log);
    observers.add(&tracer);
    observers.add(&recorder);
    log.listen(&recorder);
    host.setObserver(&observers);
    std::string error;
    EXPECT_TRUE(runner::BuildWorld(host, script, log, error)) << error;
    session = std::make_unique<live::LiveSession>(host, script, log, lines, &recorder, std::move(files));
}

LiveFlight::~LiveFlight()
{
    session.reset();
    host.setObserver(nullptr);
    host.shutdown();
}

bool LiveFlight::ask(const std::string& body, std::string& why)
{
    live::LiveCommand command;
    if (!live::DecodeRequest(body, session->known(), command, why))
        return false;
    return session->submit(command);
}

void LiveFlight::act(const std::string& body)
{
    std::string why;
    EXPECT_TRUE(ask(body, why)) << body << ": " << why;
    session->advance(0);
}

std::string LiveFlight::state()
{
    unsigned long long seen = 0;
    std::string published;
    session->nextState(seen, std::chrono::milliseconds(0), published);
    return published;
}

}  // namespace testing_support
