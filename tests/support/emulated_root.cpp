#include "emulated_root.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

namespace {

/* A folder of its own under the temporary folder: create_directory says
 * whether it made the folder, so two tests never share one. */
fs::path MakeFreshFolder()
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path folder = fs::temp_directory_path() / ("brimstar-test-" + std::to_string(random()));
        if (fs::create_directory(folder))
            return folder;
    }
    throw std::runtime_error("cannot make a temporary root folder");
}

}  // namespace

EmulatedRoot::EmulatedRoot(const std::string& collisionLibrary) : path_(MakeFreshFolder())
{
    fs::path bin = BRIMSTAR_BIN_DIR;
    fs::path data = BRIMSTAR_DATA_DIR;
    for (const char* folder : {"config/vessels", "meshes", "modules/plugin"})
        fs::create_directories(path_ / folder);
    fs::copy_file(BRIMSTAR_MODULE_FILE, path_ / "modules/plugin/brimstar!.dll");
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
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace testing_support
