/* A request's head (its request line and header lines, up to the empty
 * line) counted as its bytes arrive, in whatever pieces: the server refuses
 * a head over its limits as soon as it is, without holding or parsing the
 * rest. A line ends at "\n", with or without "\r" before it. */
#ifndef BRIMSTAR_RUNNER_LIVE_REQUEST_HEAD_H
#define BRIMSTAR_RUNNER_LIVE_REQUEST_HEAD_H

#include <cstddef>

namespace live {

struct HeadLimits {
    size_t headerLines = 64;  // besides the request line
    size_t bytes = 8192;      // of the whole head
};

class RequestHead {
public:
    enum class State { arriving, whole, tooLarge };

    explicit RequestHead(HeadLimits limits) : limits_(limits) {}

    /* Counts the bytes read; those after the head are not counted. */
    State take(const char* data, size_t size);
    State state() const { return state_; }

private:
    HeadLimits limits_;
    State state_ = State::arriving;
    size_t bytes_ = 0, lines_ = 0, lineLength_ = 0;
};

}  // namespace live

#endif
