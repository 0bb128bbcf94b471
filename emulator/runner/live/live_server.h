/* The live page's server: the page, the world's state, the pilot's
 * requests and the session as a scenario, on the loopback address only.
 * Its threads read what the simulation published and queue commands; they
 * never call into the host. A request from a page of another site is
 * refused: its Host or its Origin names no loopback address of this port.
 * A body is an action's, at most largestRequest bytes however it is sent;
 * a longer one is refused before it is read. */
#ifndef BRIMSTAR_RUNNER_LIVE_LIVE_SERVER_H
#define BRIMSTAR_RUNNER_LIVE_LIVE_SERVER_H

#include "emulator/runner/live/session/live_session.h"

#include <atomic>
#include <memory>
#include <string>

namespace live {

class BoundedServer;

/* The largest request body taken: an action is a few dozen bytes. */
const size_t largestRequest = 1024;
/* The most pages streaming the state at once: each holds one of the
 * server's threads, and the others must stay free for actions. */
const int mostStreams = 4;

class LiveServer {
public:
    LiveServer();
    ~LiveServer();

    /* Binds 127.0.0.1 on the port, or on a free one for 0; the port, or -1
     * when it is taken: the port is this server's alone. Done before the
     * world is built, so that a flight without its port never starts. */
    int bind(int port);
    /* Serves the session until stop; on a thread of its own. */
    void serve(LiveSession& session);
    /* Ends every connection too: serve returns within a second or two. */
    void stop();
    int port() const { return port_; }

private:
    LiveSession* session_ = nullptr;
    std::unique_ptr<BoundedServer> server_;
    int port_ = -1;
    std::atomic<bool> stopping_{false};
    std::atomic<int> streams_{0};
};

}  // namespace live

#endif
