#include "emulator/host/session/call_log.h"

#include <cstdio>

namespace emu {

int CallLog::find(const std::string& prefix, int from) const
{
    for (size_t i = size_t(from < 0 ? 0 : from); i < entries_.size(); ++i)
        if (entries_[i].compare(0, prefix.size(), prefix) == 0)
            return int(i);
    return -1;
}

int CallLog::count(const std::string& prefix) const
{
    return int(matching(prefix).size());
}

std::vector<std::string> CallLog::matching(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& e : entries_)
        if (e.compare(0, prefix.size(), prefix) == 0)
            found.push_back(e);
    return found;
}

void CallLog::put(std::ostream& out, double d)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", d);
    out << text;
}

void CallLog::put(std::ostream& out, const VECTOR3& v)
{
    out << '(';
    put(out, v.x);
    out << ", ";
    put(out, v.y);
    out << ", ";
    put(out, v.z);
    out << ')';
}

void CallLog::put(std::ostream& out, const char* s)
{
    out << (s ? s : "null");
}

void CallLog::put(std::ostream& out, const std::string& s)
{
    out << s;
}

void CallLog::put(std::ostream& out, const void* p)
{
    out << (p ? "handle" : "null");
}

}  // namespace emu
