#include "emulator/host/files/replacing_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace emu {

namespace {

/* The longest file name most file systems take, in bytes. */
const size_t longestName = 255;

/* A name no other writer in this folder uses at the same moment: hidden,
 * after the target, with a count and the clock, so that two runs writing
 * the same target do not share a temporary. The target's name is cut to
 * leave room for the rest: a target whose name is as long as it may be
 * still gets a temporary. */
fs::path TemporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned long> made{0};
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string suffix = ".partial-" + std::to_string(++made) + "-" + std::to_string(ticks);
    std::string name = target.filename().string();
    name.resize(std::min(name.size(), longestName - 1 - suffix.size()));
    return target.parent_path() / ("." + name + suffix);
}

/* The temporaries being written, where a signal handler can read them: a
 * fixed table of fixed buffers, each marked ready only once its path is
 * whole. A path too long for a buffer, or one more than the table holds,
 * is not listed: a run writes a handful of files with ordinary names. */
const size_t listedTemporaries = 32;
struct ListedPath {
    std::atomic<int> state{0};  // 0 free, 1 being filled, 2 ready
    char path[4096] = {};
};
std::array<ListedPath, listedTemporaries> listed;

int List(const fs::path& temporary)
{
    const std::string path = temporary.string();
    for (size_t i = 0; i < listed.size(); ++i) {
        int free = 0;
        if (path.size() >= sizeof listed[i].path || !listed[i].state.compare_exchange_strong(free, 1))
            continue;
        std::memcpy(listed[i].path, path.c_str(), path.size() + 1);
        listed[i].state = 2;
        return int(i);
    }
    return -1;
}

void Unlist(int& index)
{
    if (index >= 0)
        listed[size_t(index)].state = 0;
    index = -1;
}

std::string Why(const std::error_code& code)
{
    return code ? ": " + code.message() : errno ? std::string(": ") + std::strerror(errno) : std::string();
}

}  // namespace

ReplacingFile::~ReplacingFile()
{
    discard();
}

void ReplacingFile::discard()
{
    if (out_.is_open())
        out_.close();
    std::error_code ignored;
    if (!temporary_.empty())
        fs::remove(temporary_, ignored);
    temporary_.clear();
    Unlist(listed_);
}

void ReplacingFile::RemoveTemporaries()
{
    for (ListedPath& entry : listed)
        if (entry.state == 2)
#if defined(_WIN32)
            std::remove(entry.path);
#else
            ::unlink(entry.path);
#endif
}

bool ReplacingFile::open(const fs::path& target, std::string& error)
{
    discard();
    std::error_code code;
    target_ = fs::weakly_canonical(fs::absolute(target), code);
    if (code)
        target_ = fs::absolute(target);
    if (!fs::is_directory(target_.parent_path(), code)) {
        error = "no such folder";
        return false;
    }
    if (fs::is_directory(target_, code)) {
        error = "it is a folder";
        return false;
    }
    // A device or a pipe cannot be replaced, and must not be: it is written
    // where it is, and what it refuses is still a failure.
    bool inPlace = fs::exists(target_, code) && !fs::is_regular_file(target_, code);
    temporary_ = inPlace ? fs::path() : TemporaryBeside(target_);
    // Listed before it exists, so that no moment has it unlisted.
    if (!inPlace)
        listed_ = List(temporary_);
    errno = 0;
    out_.open(inPlace ? target_ : temporary_, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out_) {
        error = "cannot be written" + Why({});
        temporary_.clear();
        Unlist(listed_);
        return false;
    }
    return true;
}

bool ReplacingFile::commit(std::string& error)
{
    if (!out_.is_open()) {
        error = "not open";
        return false;
    }
    errno = 0;
    out_.flush();
    out_.close();
    if (out_.fail()) {
        error = "could not be written whole" + Why({});
        discard();
        return false;
    }
    if (temporary_.empty())
        return true;  // written in place
    // The file takes the place of the old one with the old one's permissions,
    // as an editor saving it would leave them.
    std::error_code code;
    fs::file_status old = fs::status(target_, code);
    if (!code && fs::exists(old))
        fs::permissions(temporary_, old.permissions(), code);
    fs::rename(temporary_, target_, code);
    if (code) {
        error = "could not take the old file's place" + Why(code);
        discard();
        return false;
    }
    temporary_.clear();
    Unlist(listed_);
    return true;
}

}  // namespace emu
