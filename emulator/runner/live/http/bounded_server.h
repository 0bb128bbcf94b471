/* An HTTP server no client can starve or swell, and that stops when told,
 * whatever its clients do. The library serves each connection on a thread
 * of its pool and trusts the client to send its request, to read its
 * answer and to go away; here each connection is served by this class's
 * own loop instead:
 *   - the port is this process's alone (no SO_REUSEPORT, whatever the
 *     library's defaults), so that two flights never share one;
 *   - a request arrives whole within a deadline, its header lines at most
 *     so many and so large (431 beyond), and every read and write waits a
 *     short while, so a slow or half-open client holds its thread only
 *     briefly;
 *   - a client (an address) holds at most so many connections (503
 *     beyond), fewer than the pool's threads, so others are still served;
 *   - stopping shuts every connection down, so that no thread waits on a
 *     client that sends nothing or never reads. */
#ifndef BRIMSTAR_RUNNER_LIVE_BOUNDED_SERVER_H
#define BRIMSTAR_RUNNER_LIVE_BOUNDED_SERVER_H

#include "request_head.h"

#include <httplib.h>

#include <map>
#include <mutex>
#include <set>
#include <string>

namespace live {

/* On the loopback address every client is 127.0.0.1: one client's share
 * holds dozens of half-open connections and the page's own beside them. */
struct ServerLimits {
    int threads = 96;
    int connectionsPerClient = 64;
    HeadLimits head;
    std::chrono::milliseconds requestDeadline{3000};  // the whole request, its body too
    std::chrono::milliseconds readWait{1000}, writeWait{1000}, keepAlive{1000};
};

class BoundedServer : public httplib::Server {
public:
    explicit BoundedServer(const ServerLimits& limits = {});

    /* Binds 127.0.0.1 on the port, or on a free one for 0; the port, or -1
     * when it is taken or cannot be had. */
    int bindLoopback(int port);
    /* Stops listening and ends every connection; then listen_after_bind
     * returns within a wait. */
    void stopAll();

private:
    bool process_and_close_socket(socket_t sock) override;
    bool admit(socket_t sock, const std::string& client);
    void release(socket_t sock, const std::string& client);

    const ServerLimits limits_;
    std::mutex mutex_;
    std::map<std::string, int> perClient_;
    std::set<socket_t> open_;
    bool stopping_ = false;
};

}  // namespace live

#endif
