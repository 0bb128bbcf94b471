/* Modules loaded the way the host loads them: from "modules\" + the path +
 * ".dll" under the root folder, the path taken literally. A module named
 * again, as a plug-in or by a class file's Module= line, in any letter case,
 * is the same loaded instance.
 *
 * The host loads a vessel module once per vessel and frees it with that
 * vessel, and loads each active plug-in once more; the library is unmapped,
 * and its ExitModule runs, when the last of those goes, mid-session too,
 * unless the library keeps itself. Its InitModule runs from its attach, as
 * the host's InitLib calls it. A record outlives its library, so that what
 * the library left with the host (a display, an input box) can be told to
 * belong to code that is gone. */
#ifndef BRIMSTAR_EMULATOR_HOST_MODULE_REGISTRY_H
#define BRIMSTAR_EMULATOR_HOST_MODULE_REGISTRY_H

#include "Orbitersdk.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace emu {

struct ModuleInstance {
    std::string path;          // as first named
    HMODULE handle = nullptr;  // null once the library is unmapped
    int references = 0;        // the host's loads not freed yet
    bool plugin = false;       // an active plug-in, counted in references once
    VESSEL* (*ovcInit)(OBJHANDLE, int) = nullptr;
    void (*ovcExit)(VESSEL*) = nullptr;
    int (*GetModuleVersion)() = nullptr;
    // The plug-in callbacks: found only once the module is an active
    // plug-in, as the host calls them on no other module.
    void (*opcPreStep)(double, double, double) = nullptr;
    void (*opcPostStep)(double, double, double) = nullptr;
    void (*opcSaveState)(FILEHANDLE) = nullptr;
    void (*opcLoadState)(FILEHANDLE) = nullptr;
    void (*opcOpenRenderViewport)(HWND, DWORD, DWORD, BOOL) = nullptr;
    void (*opcCloseRenderViewport)() = nullptr;
    void (*opcDeleteVessel)(OBJHANDLE) = nullptr;

    bool mapped() const { return handle != nullptr; }
};

/* Told of a call into a library that is gone: the call, and why */
using FaultReport = std::function<void(const std::string& call, const std::string& why)>;

class ModuleRegistry {
public:
    /* The library's attach notification: its record, made now unless the
     * library is one already known. */
    ModuleInstance* attached(HMODULE handle);
    /* One more load of the module, as LoadLibrary counts them; null when it
     * cannot be loaded. */
    ModuleInstance* load(const std::string& modulePath);
    /* Loads the module as an active plug-in, once however often asked. */
    ModuleInstance* loadPlugin(const std::string& modulePath);
    /* One load fewer, as FreeLibrary: the library goes with its last. */
    void release(ModuleInstance& module);
    /* Whether load would find the module, without loading it. */
    bool loadable(const std::string& modulePath) const;

    /* The mapped module by its path, or null */
    ModuleInstance* find(const std::string& modulePath) const;
    /* The mapped module whose library holds this code, or null */
    ModuleInstance* holding(const void* code) const;
    /* The mapped modules, in the order their libraries were attached */
    const std::vector<std::unique_ptr<ModuleInstance>>& modules() const { return modules_; }

    /* Frees every load still held, the last attached module first. */
    void unloadAll();

    static std::string LibraryPath(const std::string& modulePath);

private:
    ModuleInstance* byHandle(HMODULE handle) const;

    std::vector<std::unique_ptr<ModuleInstance>> modules_;
    std::vector<std::unique_ptr<ModuleInstance>> unmapped_;
};

}  // namespace emu

#endif
