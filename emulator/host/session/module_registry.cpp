#include "emulator/host/session/module_registry.h"
#include "host/host_api.h"

#include <algorithm>
#include <cctype>

namespace emu {

namespace {

template <typename Fn>
void LookUp(HMODULE handle, const char* name, Fn& target)
{
    target = FunctionCast<Fn>(GetProcAddress(handle, name));
}

}  // namespace

std::string ModuleRegistry::LibraryPath(const std::string& modulePath)
{
    return "modules\\" + modulePath + ".dll";
}

ModuleInstance* ModuleRegistry::find(const std::string& modulePath) const
{
    // Windows file names ignore letter case: one file, one instance.
    auto sameFile = [&modulePath](const std::string& path) {
        return std::equal(path.begin(), path.end(), modulePath.begin(), modulePath.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    for (const auto& m : modules_)
        if (sameFile(m->path))
            return m.get();
    return nullptr;
}

ModuleInstance* ModuleRegistry::load(const std::string& modulePath)
{
    if (ModuleInstance* loaded = find(modulePath))
        return loaded;
    HMODULE handle = LoadLibraryA(LibraryPath(modulePath).c_str());
    if (!handle)
        return nullptr;
    auto module = std::make_unique<ModuleInstance>();
    module->path = modulePath;
    module->handle = handle;
    LookUp(handle, "opcPreStep", module->opcPreStep);
    LookUp(handle, "opcPostStep", module->opcPostStep);
    LookUp(handle, "opcSaveState", module->opcSaveState);
    LookUp(handle, "opcLoadState", module->opcLoadState);
    LookUp(handle, "ovcInit", module->ovcInit);
    LookUp(handle, "ovcExit", module->ovcExit);
    LookUp(handle, "GetModuleVersion", module->GetModuleVersion);
    LookUp(handle, "opcOpenRenderViewport", module->opcOpenRenderViewport);
    LookUp(handle, "opcCloseRenderViewport", module->opcCloseRenderViewport);
    LookUp(handle, "opcDeleteVessel", module->opcDeleteVessel);
    void (*initModule)(HINSTANCE) = nullptr;
    LookUp(handle, "InitModule", initModule);
    modules_.push_back(std::move(module));
    if (initModule)
        initModule(reinterpret_cast<HINSTANCE>(handle));
    return modules_.back().get();
}

void ModuleRegistry::unloadAll()
{
    while (!modules_.empty()) {
        FreeLibrary(modules_.back()->handle);
        modules_.pop_back();
    }
}

}  // namespace emu
