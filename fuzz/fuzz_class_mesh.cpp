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
    emu::ClassFile::Read("fuzz").value("ClassName");
    emu::Mesh mesh;
    emu::ReadMeshFile("meshes/fuzz.msh", mesh);
    return 0;
}
