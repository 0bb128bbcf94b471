/* The flight log as the page reads it: the last lines, numbered from the
 * first, so that a page that polls knows which it has not shown. Written by
 * the simulation's thread only; echoed to the terminal when asked. */
#ifndef BRIMSTAR_RUNNER_LIVE_LOG_LINES_H
#define BRIMSTAR_RUNNER_LIVE_LOG_LINES_H

#include <deque>
#include <ostream>
#include <streambuf>
#include <string>

namespace live {

class LogLines : public std::streambuf {
public:
    static constexpr size_t kept = 200;
    /* Longer lines are cut, so that no line a module writes grows without end. */
    static constexpr size_t longestLine = 4096;

    explicit LogLines(std::ostream* echo) : echo_(echo) {}

    const std::deque<std::string>& lines() const { return lines_; }
    /* How many lines came before the first one kept. */
    unsigned long long dropped() const { return dropped_; }

protected:
    int overflow(int c) override
    {
        if (echo_)
            echo_->put(char(c));
        if (c == '\n') {
            lines_.push_back(partial_);
            partial_.clear();
            if (lines_.size() > kept) {
                lines_.pop_front();
                ++dropped_;
            }
        } else if (partial_.size() < longestLine) {
            partial_ += char(c);
        }
        return c;
    }

private:
    std::ostream* echo_;
    std::string partial_;
    std::deque<std::string> lines_;
    unsigned long long dropped_ = 0;
};

}  // namespace live

#endif
