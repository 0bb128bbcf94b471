/* A fresh root folder of the emulated host for one test, laid out as the
 * simulator's, with the module installed where its class files say and the
 * collision library of the test's choosing (or none). Removed afterwards. */
#ifndef BRIMSTAR_TESTS_SUPPORT_EMULATED_ROOT_H
#define BRIMSTAR_TESTS_SUPPORT_EMULATED_ROOT_H

#include <filesystem>
#include <string>

namespace testing_support {

/* The build's file name of a stand-in collision library: "collision" for the
 * complete one, "collision_without_<export>" for a variant, "" for none. */
class EmulatedRoot {
public:
    explicit EmulatedRoot(const std::string& collisionLibrary = "collision");
    ~EmulatedRoot();
    EmulatedRoot(const EmulatedRoot&) = delete;
    EmulatedRoot& operator=(const EmulatedRoot&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& relative) const { return path_ / relative; }

private:
    std::filesystem::path path_;
};

/* The text of a file read in text mode, so that the platform's line ends
 * read as "\n"; "" when it cannot be read. */
std::string ReadFile(const std::filesystem::path& file);

}  // namespace testing_support

#endif
