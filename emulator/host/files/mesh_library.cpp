#include "emulator/host/files/mesh_library.h"

#include "windows_subset.h"

#include <cstdint>
#include <fstream>
#include <sstream>

namespace emu {

namespace {

MATERIAL ReadMaterial(std::istream& in)
{
    MATERIAL m{};
    COLOUR4* colours[] = {&m.diffuse, &m.ambient, &m.specular, &m.emissive};
    for (COLOUR4* c : colours) {
        std::string line;
        std::getline(in, line);
        std::istringstream values(line);
        values >> c->r >> c->g >> c->b >> c->a;
        if (c == &m.specular)
            values >> m.power;
    }
    return m;
}

}  // namespace

bool ReadMeshFile(const std::string& path, Mesh& mesh)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (key == "GEOM") {
            ++mesh.groups;
        } else if (key == "MATERIALS") {
            // The names first, then one block each, in the same order.
            int count = 0;
            words >> count;
            for (int i = 0; i < count; ++i)
                std::getline(in, line);
            for (int i = 0; i < count && std::getline(in, line); ++i)
                mesh.materials.push_back(ReadMaterial(in));
        } else if (key == "TEXTURES") {
            int count = 0;
            words >> count;
            for (int i = 0; i < count && std::getline(in, line); ++i)
                mesh.textures.push_back(line);
        }
    }
    mesh.textureSurfaces.assign(mesh.textures.size(), nullptr);
    return true;
}

MESHHANDLE MeshLibrary::load(const std::string& name)
{
    for (size_t i = 0; i < meshes_.size(); ++i)
        if (meshes_[i].name == name && !meshes_[i].deleted)
            return reinterpret_cast<MESHHANDLE>(i + 1);
    Mesh mesh;
    mesh.name = name;
    if (!ReadMeshFile(ToPlatformPath(("meshes\\" + name + ".msh").c_str()), mesh))
        return nullptr;
    meshes_.push_back(std::move(mesh));
    return reinterpret_cast<MESHHANDLE>(meshes_.size());
}

Mesh* MeshLibrary::find(MESHHANDLE mesh)
{
    auto index = reinterpret_cast<std::uintptr_t>(mesh);
    if (index < 1 || index > meshes_.size() || meshes_[index - 1].deleted)
        return nullptr;
    return &meshes_[index - 1];
}

std::string MeshLibrary::name(MESHHANDLE mesh)
{
    Mesh* m = find(mesh);
    return m ? m->name : std::string();
}

void MeshLibrary::remove(MESHHANDLE mesh)
{
    if (Mesh* m = find(mesh))
        m->deleted = true;
}

}  // namespace emu
