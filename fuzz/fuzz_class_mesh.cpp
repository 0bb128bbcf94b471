/* The host's class-file and mesh readers on any file from the root folder:
 * each reads it or refuses it, within the input's size. */
#include "fuzz_host.h"

#include "emulator/host/files/class_file.h"
#include "emulator/host/files/mesh_library.h"

#include <cstdint>
#include <fstream>

namespace {

void Write(const char* path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzHost();
    Write("config/vessels/fuzz.cfg", data, size);
    Write("meshes/fuzz.msh", data, size);
    emu::ClassFile cls = emu::ClassFile::Read("fuzz");
    double sizeValue = 1.0;
    std::string error;
    cls.positiveNumber("Size", sizeValue, error);
    emu::Mesh mesh;
    if (!emu::ReadMeshFile("meshes/fuzz.msh", mesh, error) && error.empty())
        __builtin_trap();  // a refused file always says why
    if (mesh.materials.size() > size || mesh.textures.size() > size)
        __builtin_trap();  // never more items than the input has bytes
    return 0;
    return 0;
}
