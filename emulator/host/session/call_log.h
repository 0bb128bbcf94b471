/* A record of the host calls a test wants to inspect, one line each, such as
 * "oapiRegisterMFDMode(Collision Control, 0x2F)" or "R-4.SetSize(10)".
 * Off until enabled, so long runs keep no history. */
#ifndef BRIMSTAR_EMULATOR_HOST_CALL_LOG_H
#define BRIMSTAR_EMULATOR_HOST_CALL_LOG_H

#include "OrbiterAPI.h"

#include <sstream>
#include <string>
#include <vector>

/* Marks the logging paths, so that a hot call that logs nothing pays only
 * for the test of whether to log. */
#if defined(__GNUC__)
#define BRIMSTAR_COLD_PATH __attribute__((noinline, cold))
#else
#define BRIMSTAR_COLD_PATH
#endif

namespace emu {

class CallLog {
public:
    void enable(bool on = true) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    void clear() { entries_.clear(); }
    const std::vector<std::string>& entries() const { return entries_; }

    template <typename... Args>
    void record(const std::string& call, const Args&... args)
    {
        if (!enabled_)
            return;
        std::ostringstream out;
        out << call << '(';
        bool first = true;
        ((out << (first ? "" : ", "), put(out, args), first = false), ...);
        out << ')';
        entries_.push_back(out.str());
    }

    /* Index of the first entry that starts with the prefix, or -1. */
    int find(const std::string& prefix, int from = 0) const;
    int count(const std::string& prefix) const;

    /* Lines that start with the prefix, in order. */
    std::vector<std::string> matching(const std::string& prefix) const;

private:
    static void put(std::ostream& out, const VECTOR3& v);
    static void put(std::ostream& out, const char* s);
    static void put(std::ostream& out, const std::string& s);
    static void put(std::ostream& out, double d);
    static void put(std::ostream& out, const void* p);
    template <typename T>
    static void put(std::ostream& out, const T& value)
    {
        out << value;
    }

    bool enabled_ = false;
    std::vector<std::string> entries_;
};

}  // namespace emu

#endif
