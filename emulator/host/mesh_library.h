/* Global meshes, loaded once each by name from "meshes\<name>.msh". */
#ifndef BRIMSTAR_EMULATOR_HOST_MESH_LIBRARY_H
#define BRIMSTAR_EMULATOR_HOST_MESH_LIBRARY_H

#include "OrbiterAPI.h"

#include <string>
#include <vector>

namespace emu {

class MeshLibrary {
public:
    /* The mesh's handle, or null when its file is missing. */
    MESHHANDLE load(const std::string& name);
    /* The name of a loaded mesh, or "" */
    std::string name(MESHHANDLE mesh) const;

private:
    std::vector<std::string> names_;
};

}  // namespace emu

#endif
