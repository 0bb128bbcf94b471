#include "emulator/host/files/mesh_library.h"
#include "host/host_file.h"

#include "emulator/host/files/bounded_text.h"

#include "windows_subset.h"

#include <cstdint>
#include <sstream>

namespace emu {

namespace {

/* The lines of a mesh file, read with their place so that an error names it. */
struct MeshLines {
    const std::string& path;
    std::vector<std::string> lines;
    size_t next = 0;

    size_t left() const { return lines.size() - next; }
    const std::string& take() { return lines[next++]; }
    std::string at() const { return path + ":" + std::to_string(next) + ": "; }
};

MATERIAL ReadMaterial(MeshLines& in)
{
    MATERIAL m{};
    COLOUR4* colours[] = {&m.diffuse, &m.ambient, &m.specular, &m.emissive};
    for (COLOUR4* c : colours) {
        std::istringstream values(in.take());
        values >> c->r >> c->g >> c->b >> c->a;
        if (c == &m.specular)
            values >> m.power;
    }
    return m;
}

/* The count after a keyword, which the rest of the file must be able to
 * hold at linesEach lines an item: a header cannot make the reader wait on
 * lines that are not there, or reserve room for them. */
bool ReadCount(std::istringstream& words, const std::string& keyword, size_t linesEach, const MeshLines& in,
               size_t& count, std::string& error)
{
    long long n = -1;
    std::string rest;
    if (!(words >> n) || n < 0 || (words >> rest)) {
        error = in.at() + keyword + " needs a count of zero or more";
        return false;
    }
    if (std::uint64_t(n) > in.left() / linesEach) {
        error = in.at() + keyword + " claims " + std::to_string(n) + ", more than the " +
                std::to_string(in.left()) + " lines after it can hold";
        return false;
    }
    count = size_t(n);
    return true;
}

}  // namespace

bool ReadMeshFile(const std::string& path, Mesh& mesh, std::string& error)
{
    MeshLines in{path, {}};
    if (!ReadLinesWithin(path, meshFileLimits, in.lines, error))
        return false;
    while (in.left() > 0) {
        std::istringstream words(in.take());
        std::string key;
        words >> key;
        size_t count = 0;
        if (key == "GEOM") {
            ++mesh.groups;
        } else if (key == "MATERIALS") {
            // The names first, then one block each of a header and four
            // colour lines, in the same order.
            if (!ReadCount(words, key, 6, in, count, error))
                return false;
            in.next += count;
            for (size_t i = 0; i < count; ++i) {
                in.take();
                mesh.materials.push_back(ReadMaterial(in));
            }
        } else if (key == "TEXTURES") {
            if (!ReadCount(words, key, 1, in, count, error))
                return false;
            for (size_t i = 0; i < count; ++i)
                mesh.textures.push_back(in.take());
        }
    }
    mesh.textureSurfaces.assign(mesh.textures.size(), nullptr);
    return true;
}

MESHHANDLE MeshLibrary::load(const std::string& name, std::string& error)
{
    for (size_t i = 0; i < meshes_.size(); ++i)
        if (meshes_[i].name == name && !meshes_[i].deleted)
            return reinterpret_cast<MESHHANDLE>(i + 1);
    Mesh mesh;
    mesh.name = name;
    if (!ReadMeshFile(ToPlatformPath(("meshes\\" + name + ".msh").c_str()), mesh, error))
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
