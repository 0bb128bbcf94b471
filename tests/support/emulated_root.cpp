#include "emulated_root.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testing_support {

EmulatedRoot::EmulatedRoot(const std::string& collisionLibrary)
{
    std::string pattern = (fs::temp_directory_path() / "brimstar-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary root folder");
    path_ = pattern;
    fs::path bin = BRIMSTAR_BIN_DIR;
    fs::path data = BRIMSTAR_DATA_DIR;
    for (const char* folder : {"config/vessels", "meshes", "modules/plugin"})
        fs::create_directories(path_ / folder);
    fs::copy_file(bin / "brimstar.dll", path_ / "modules/plugin/brimstar.dll");
    if (!collisionLibrary.empty())
        fs::copy_file(bin / (collisionLibrary + ".dll"), path_ / "modules/collision.dll");
    fs::copy_file(data / "meshes/roid.msh", path_ / "meshes/roid.msh");
    fs::copy(data / "config/vessels", path_ / "config/vessels");
}

EmulatedRoot::~EmulatedRoot()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace testing_support
