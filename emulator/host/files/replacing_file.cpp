#include "emulator/host/files/replacing_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace fs = std::filesystem;

namespace emu {

namespace {

/* A name no other writer in this folder uses at the same moment: hidden,
 * after the target, with a count and the clock, so that two runs writing
 * the same target do not share a temporary. */
fs::path TemporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned long> made{0};
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string suffix = ".partial-" + std::to_string(++made) + "-" + std::to_string(ticks);
    return target.parent_path() / ("." + target.filename().string() + suffix);
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
    errno = 0;
    out_.open(inPlace ? target_ : temporary_, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out_) {
        error = "cannot be written" + Why({});
        temporary_.clear();
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
    return true;
}

}  // namespace emu
