/* Global meshes, loaded once each by name from "meshes\<name>.msh", in the
 * host's text format "MSHX1": its groups (one "GEOM" each), its materials
 * (after "MATERIALS n" and the n names, one "MATERIAL name" block of four
 * colour lines each: diffuse, ambient, specular with its power, emissive)
 * and its texture files (after "TEXTURES n"). A deleted mesh is never found
 * again, through its old handle or by name. */
#ifndef BRIMSTAR_EMULATOR_HOST_MESH_LIBRARY_H
#define BRIMSTAR_EMULATOR_HOST_MESH_LIBRARY_H

#include "OrbiterAPI.h"

#include <string>
#include <vector>

namespace emu {

struct Mesh {
    std::string name;
    int groups = 0;
    std::vector<MATERIAL> materials;
    std::vector<std::string> textures;
    std::vector<SURFHANDLE> textureSurfaces;  // made when first asked for, by texture
    bool deleted = false;
};

class MeshLibrary {
public:
    /* The mesh's handle, or null with why when its file is missing or does
     * not hold what it claims. */
    MESHHANDLE load(const std::string& name, std::string& error);
    /* The mesh, or null for a handle of no mesh or of a deleted one */
    Mesh* find(MESHHANDLE mesh);
    /* The name of a loaded mesh, or "" */
    std::string name(MESHHANDLE mesh);
    void remove(MESHHANDLE mesh);

private:
    std::vector<Mesh> meshes_;
};

/* What a mesh file holds; false with the file, line and why when it cannot
 * be read or claims more than it holds. */
bool ReadMeshFile(const std::string& path, Mesh& mesh, std::string& error);

}  // namespace emu

#endif
