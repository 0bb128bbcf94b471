#include "request_head.h"

namespace live {

RequestHead::State RequestHead::take(const char* data, size_t size)
{
    for (size_t i = 0; i < size && state_ == State::arriving; ++i) {
        ++bytes_;
        if (data[i] == '\n') {
            // The empty line after at least the request line ends the head.
            if (lineLength_ == 0 && lines_ > 0)
                state_ = State::whole;
            ++lines_;
            lineLength_ = 0;
        } else if (data[i] != '\r') {
            ++lineLength_;
        }
        // The request line and the empty line are not header lines.
        if (bytes_ > limits_.bytes || lines_ > limits_.headerLines + 2)
            state_ = State::tooLarge;
    }
    return state_;
}

}  // namespace live
