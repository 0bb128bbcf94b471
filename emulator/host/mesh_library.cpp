#include "mesh_library.h"

#include "windows_subset.h"

#include <cstdint>
#include <filesystem>

namespace emu {

MESHHANDLE MeshLibrary::load(const std::string& name)
{
    for (size_t i = 0; i < names_.size(); ++i)
        if (names_[i] == name)
            return reinterpret_cast<MESHHANDLE>(i + 1);
    std::error_code ignored;
    if (!std::filesystem::exists(ToPlatformPath(("meshes\\" + name + ".msh").c_str()), ignored))
        return nullptr;
    names_.push_back(name);
    return reinterpret_cast<MESHHANDLE>(names_.size());
}

std::string MeshLibrary::name(MESHHANDLE mesh) const
{
    auto index = reinterpret_cast<std::uintptr_t>(mesh);
    return index >= 1 && index <= names_.size() ? names_[index - 1] : std::string();
}

}  // namespace emu
