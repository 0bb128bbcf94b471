#include "bounded_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>

namespace live {

namespace {

using Clock = std::chrono::steady_clock;

/* A connection kept alive is asked this many requests at most: a page
 * reconnects at once, and a client cannot keep one thread for itself. */
const int requestsPerConnection = 100;
/* After the last answer (a refusal, often, of a request not read whole),
 * what the client still sends is read and thrown away for this long at
 * most, so that the answer is not lost to a reset. */
const auto lingering = std::chrono::milliseconds(100);
const size_t lingeringBytes = 16384;
/* Connections the system holds until they are accepted. */
const int pendingConnections = 128;

bool Ready(socket_t sock, short events, std::chrono::milliseconds wait)
{
    pollfd p{sock, events, 0};
    int waitMs = int(std::max<long long>(0, wait.count()));
    return ::poll(&p, 1, waitMs) > 0;
}

std::string Answer(int status, const char* reason, const std::string& why)
{
    return "HTTP/1.1 " + std::to_string(status) + " " + reason +
           "\r\nContent-Type: text/plain; charset=utf-8\r\nConnection: close\r\nContent-Length: " +
           std::to_string(why.size()) + "\r\n\r\n" + why;
}

void SendAll(socket_t sock, const std::string& text, std::chrono::milliseconds wait)
{
    for (size_t sent = 0; sent < text.size() && Ready(sock, POLLOUT, wait);) {
        ssize_t n = ::send(sock, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += size_t(n);
    }
}

/* Ends the connection so that the client reads what was sent: our side is
 * closed first, then what it still sends is drained a little. */
void CloseGently(socket_t sock)
{
    ::shutdown(sock, SHUT_WR);
    char sink[4096];
    size_t drained = 0;
    const Clock::time_point until = Clock::now() + lingering;
    while (drained < lingeringBytes && Clock::now() < until &&
           Ready(sock, POLLIN, std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()))) {
        ssize_t n = ::recv(sock, sink, sizeof sink, 0);
        if (n <= 0)
            break;
        drained += size_t(n);
    }
    ::close(sock);
}

/* The address and port at one end of the socket: getpeername's or
 * getsockname's. */
template <class Ask>
void SocketAddress(Ask ask, socket_t sock, std::string& ip, int& port)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    ip.clear();
    port = 0;
    if (ask(sock, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET6) {
        const auto* a = reinterpret_cast<const sockaddr_in6*>(&address);
        ip = ::inet_ntop(AF_INET6, &a->sin6_addr, text, sizeof text) ? text : "";
        port = ntohs(a->sin6_port);
    } else {
        const auto* a = reinterpret_cast<const sockaddr_in*>(&address);
        ip = ::inet_ntop(AF_INET, &a->sin_addr, text, sizeof text) ? text : "";
        port = ntohs(a->sin_port);
    }
}

/* One request's reading and its answer's writing on the connection. The
 * request arrives by its deadline; the header lines are counted as they
 * arrive, and refused with a 431 once there are too many or too much;
 * every wait is short; an answer that
 * refuses a request ends the connection, since what follows on it cannot
 * be trusted to be the next request. */
class BoundedStream : public httplib::Stream {
public:
    BoundedStream(socket_t sock, const ServerLimits& limits)
        : sock_(sock), limits_(limits), requestDeadline_(Clock::now() + limits.requestDeadline), head_(limits.head)
    {
    }

    /* The request was refused: the connection ends after its answer. */
    bool refused() const { return refused_ || refusing_; }

    bool is_readable() const override { return taken_ < buffered_ || Ready(sock_, POLLIN, readWait()); }
    bool is_writable() const override { return !refused_ && Ready(sock_, POLLOUT, limits_.writeWait); }

    ssize_t read(char* ptr, size_t size) override
    {
        if (refused_)
            return -1;
        if (taken_ == buffered_ && !fill())
            return -1;
        size_t n = std::min(size, buffered_ - taken_);
        std::copy(buffer_.data() + taken_, buffer_.data() + taken_ + n, ptr);
        taken_ += n;
        return ssize_t(n);
    }

    ssize_t write(const char* ptr, size_t size) override
    {
        if (refused_ || !is_writable())
            return -1;
        if (!writing_) {
            writing_ = true;
            // "HTTP/1.1 4xx" or "5xx": a refusal.
            refusing_ = size > 9 && (ptr[9] == '4' || ptr[9] == '5');
        }
        // What fits now: a client that does not read holds no thread.
        return ::send(sock_, ptr, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        SocketAddress(::getpeername, sock_, ip, port);
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        SocketAddress(::getsockname, sock_, ip, port);
    }
    socket_t socket() const override { return sock_; }

private:
    std::chrono::milliseconds readWait() const
    {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(requestDeadline_ - Clock::now());
        return std::min(left, limits_.readWait);
    }

    bool fill()
    {
        if (!Ready(sock_, POLLIN, readWait()))
            return false;
        ssize_t n = ::recv(sock_, buffer_.data(), buffer_.size(), 0);
        if (n <= 0)
            return false;
        taken_ = 0;
        buffered_ = size_t(n);
        if (head_.take(buffer_.data(), buffered_) != RequestHead::State::tooLarge)
            return true;
        SendAll(sock_,
                Answer(431, "Request Header Fields Too Large",
                       "a request has at most " + std::to_string(limits_.head.headerLines) + " header lines, of " +
                           std::to_string(limits_.head.bytes) + " bytes in all\n"),
                limits_.writeWait);
        refused_ = true;
        return false;
    }

    socket_t sock_;
    const ServerLimits& limits_;
    const Clock::time_point requestDeadline_;
    std::array<char, 4096> buffer_{};
    size_t buffered_ = 0, taken_ = 0;
    RequestHead head_;
    bool writing_ = false;
    bool refused_ = false;   // with a 431 of our own: nothing more is read or written
    bool refusing_ = false;  // the answer being written refuses the request
};

}  // namespace

BoundedServer::BoundedServer(const ServerLimits& limits) : limits_(limits)
{
    // SO_REUSEADDR alone lets a flight start again at once on a port whose
    // last connections are still closing; without SO_REUSEPORT no other
    // socket may listen on it beside this one.
    set_socket_options([](socket_t sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    const int threads = limits.threads;
    new_task_queue = [threads] { return new httplib::ThreadPool(size_t(threads)); };
}

int BoundedServer::bindLoopback(int port)
{
    int bound = port == 0 ? bind_to_any_port("127.0.0.1") : bind_to_port("127.0.0.1", port) ? port : -1;
    // The library's queue of connections not yet accepted is a handful: a
    // page opening several at once beside a crowd would wait a second for
    // each the queue could not hold. Listening again makes it longer.
    if (bound >= 0)
        ::listen(svr_sock_, pendingConnections);
    return bound;
}

void BoundedServer::stopAll()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        for (socket_t sock : open_)
            ::shutdown(sock, SHUT_RDWR);
    }
    stop();
}

bool BoundedServer::admit(socket_t sock, const std::string& client)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_ || perClient_[client] >= limits_.connectionsPerClient)
        return false;
    ++perClient_[client];
    open_.insert(sock);
    return true;
}

void BoundedServer::release(socket_t sock, const std::string& client)
{
    std::lock_guard<std::mutex> lock(mutex_);
    open_.erase(sock);
    if (--perClient_[client] == 0)
        perClient_.erase(client);
}

bool BoundedServer::process_and_close_socket(socket_t sock)
{
    int port = 0;
    std::string client;
    SocketAddress(::getpeername, sock, client, port);
    if (!admit(sock, client)) {
        SendAll(sock,
                Answer(503, "Service Unavailable",
                       "too many connections from one client (at most " +
                           std::to_string(limits_.connectionsPerClient) + "); close some\n"),
                limits_.writeWait);
        CloseGently(sock);
        return true;
    }
    for (int asked = 0; asked < requestsPerConnection; ++asked) {
        if (!Ready(sock, POLLIN, limits_.keepAlive))
            break;
        BoundedStream stream(sock, limits_);
        bool closed = false;
        const bool last = asked + 1 == requestsPerConnection;
        if (!process_request(stream, last, closed, [](httplib::Request&) {}) || closed || stream.refused())
            break;
    }
    release(sock, client);
    CloseGently(sock);
    return true;
}

}  // namespace live
