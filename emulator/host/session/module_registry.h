/* Modules loaded the way the host loads them: from "modules\" + the path +
 * ".dll" under the root folder, the path taken literally, once each. A module
 * named again, as a plug-in or by a class file's Module= line, in any letter
 * case, is the same loaded instance. */
#ifndef BRIMSTAR_EMULATOR_HOST_MODULE_REGISTRY_H
#define BRIMSTAR_EMULATOR_HOST_MODULE_REGISTRY_H

#include "Orbitersdk.h"

#include <memory>
#include <string>
#include <vector>

namespace emu {

struct ModuleInstance {
    std::string path;  // as first named
    HMODULE handle = nullptr;
    void (*opcPreStep)(double, double, double) = nullptr;
    void (*opcPostStep)(double, double, double) = nullptr;
    void (*opcSaveState)(FILEHANDLE) = nullptr;
    void (*opcLoadState)(FILEHANDLE) = nullptr;
    VESSEL* (*ovcInit)(OBJHANDLE, int) = nullptr;
    void (*ovcExit)(VESSEL*) = nullptr;
    int (*GetModuleVersion)() = nullptr;
    // The session's start and end, and each vessel's deletion
    void (*opcOpenRenderViewport)(HWND, DWORD, DWORD, BOOL) = nullptr;
    void (*opcCloseRenderViewport)() = nullptr;
    void (*opcDeleteVessel)(OBJHANDLE) = nullptr;
};

class ModuleRegistry {
public:
    /* Loads the module (calling its InitModule) unless it is loaded already;
     * null when it cannot be loaded. */
    ModuleInstance* load(const std::string& modulePath);
    ModuleInstance* find(const std::string& modulePath) const;
    const std::vector<std::unique_ptr<ModuleInstance>>& modules() const { return modules_; }

    /* Unloads every module, the last loaded first. */
    void unloadAll();

    static std::string LibraryPath(const std::string& modulePath);

private:
    std::vector<std::unique_ptr<ModuleInstance>> modules_;
};

}  // namespace emu

#endif
