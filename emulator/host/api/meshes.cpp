/* The host functions on global meshes, their materials and textures. A
 * mesh's texture becomes a drawing surface the first time it is asked for. */
#include "emulator/host/api/host_call.h"

using namespace emu;

namespace {

Mesh* Find(Host* host, MESHHANDLE mesh)
{
    return host ? host->meshes().find(mesh) : nullptr;
}

}  // namespace

MESHHANDLE oapiLoadMeshGlobal(const char* name)
{
    Host* host = EnterHost("oapiLoadMeshGlobal", name);
    if (!host || !name)
        return nullptr;
    std::string error;
    MESHHANDLE mesh = host->meshes().load(name, error);
    if (!mesh)
        host->calls().record("oapiLoadMeshGlobal", name, "refused: " + error);
    return mesh;
}

MESHHANDLE oapiLoadMeshGlobal(const char* name, LoadMeshClbkFunc fClbk)
{
    MESHHANDLE mesh = oapiLoadMeshGlobal(name);
    // Meshes are read anew at each load here, so every load is a first one.
    if (mesh && fClbk)
        fClbk(mesh, true);
    return mesh;
}

void oapiDeleteMesh(MESHHANDLE mesh)
{
    Host* host = EnterHost("oapiDeleteMesh");
    if (host)
        host->meshes().remove(mesh);
}

DWORD oapiMeshGroupCount(MESHHANDLE mesh)
{
    Mesh* m = Find(EnterHost("oapiMeshGroupCount"), mesh);
    return m ? DWORD(m->groups) : 0;
}

// No graphics client runs here, so no handle names a device mesh.
int oapiMeshMaterial(DEVMESHHANDLE, DWORD, MATERIAL*)
{
    EnterHost("oapiMeshMaterial");
    return 1;
}

MATERIAL* oapiMeshMaterial(MESHHANDLE mesh, DWORD idx)
{
    Mesh* m = Find(EnterHost("oapiMeshMaterial", idx), mesh);
    return m && idx < m->materials.size() ? &m->materials[idx] : nullptr;
}

SURFHANDLE oapiGetTextureHandle(MESHHANDLE mesh, DWORD texidx)
{
    Host* host = EnterHost("oapiGetTextureHandle", texidx);
    Mesh* m = Find(host, mesh);
    if (!m || texidx < 1 || texidx > m->textures.size())
        return nullptr;
    SURFHANDLE& surface = m->textureSurfaces[texidx - 1];
    if (!host->surfaces().find(surface)) {
        Surface texture;
        texture.texture = m->textures[texidx - 1];
        surface = host->surfaces().insert(std::move(texture));
    }
    return surface;
}
