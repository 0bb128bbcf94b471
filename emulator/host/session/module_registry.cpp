#include "emulator/host/session/module_registry.h"
#include "emulator/host/session/library_presence.h"
#include "host/host_api.h"
#include "host/host_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

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

ModuleInstance* ModuleRegistry::byHandle(HMODULE handle) const
{
    for (const auto& m : modules_)
        if (m->handle == handle)
            return m.get();
    return nullptr;
}

ModuleInstance* ModuleRegistry::holding(const void* code) const
{
    HMODULE library = LibraryHolding(code);
    return library ? byHandle(library) : nullptr;
}

ModuleInstance* ModuleRegistry::attached(HMODULE handle)
{
    if (ModuleInstance* known = byHandle(handle))
        return known;
    modules_.push_back(std::make_unique<ModuleInstance>());
    modules_.back()->handle = handle;
    return modules_.back().get();
}

bool ModuleRegistry::loadable(const std::string& modulePath) const
{
    std::error_code ignored;
    return find(modulePath) || std::filesystem::is_regular_file(ToPlatformPath(LibraryPath(modulePath).c_str()), ignored);
}

ModuleInstance* ModuleRegistry::load(const std::string& modulePath)
{
    HMODULE handle = LoadLibraryA(LibraryPath(modulePath).c_str());
    if (!handle)
        return nullptr;
    // A library without an attach hook of the host's is first seen here.
    ModuleInstance* module = attached(handle);
    if (module->path.empty()) {
        module->path = modulePath;
        LookUp(handle, "ovcInit", module->ovcInit);
        LookUp(handle, "ovcExit", module->ovcExit);
        LookUp(handle, "GetModuleVersion", module->GetModuleVersion);
    }
    ++module->references;
    return module;
}

ModuleInstance* ModuleRegistry::loadPlugin(const std::string& modulePath)
{
    if (ModuleInstance* active = find(modulePath); active && active->plugin)
        return active;
    ModuleInstance* module = load(modulePath);
    if (!module)
        return nullptr;
    module->plugin = true;
    HMODULE handle = module->handle;
    LookUp(handle, "opcPreStep", module->opcPreStep);
    LookUp(handle, "opcPostStep", module->opcPostStep);
    LookUp(handle, "opcSaveState", module->opcSaveState);
    LookUp(handle, "opcLoadState", module->opcLoadState);
    LookUp(handle, "opcOpenRenderViewport", module->opcOpenRenderViewport);
    LookUp(handle, "opcCloseRenderViewport", module->opcCloseRenderViewport);
    LookUp(handle, "opcDeleteVessel", module->opcDeleteVessel);
    return module;
}

void ModuleRegistry::release(ModuleInstance& module)
{
    if (module.references == 0)
        return;
    --module.references;
    FreeLibrary(module.handle);
    // A library that took a reference on itself stays, and so does its code.
    if (module.references > 0 || MappedLibrary(LibraryPath(module.path)))
        return;
    module.handle = nullptr;
    auto it = std::find_if(modules_.begin(), modules_.end(), [&module](const auto& m) { return m.get() == &module; });
    unmapped_.push_back(std::move(*it));
    modules_.erase(it);
}

void ModuleRegistry::unloadAll()
{
    while (!modules_.empty()) {
        ModuleInstance& last = *modules_.back();
        while (last.references > 0 && last.mapped())
            release(last);
        // Still mapped: a library that keeps itself goes with the process.
        if (!modules_.empty() && modules_.back().get() == &last) {
            last.handle = nullptr;
            unmapped_.push_back(std::move(modules_.back()));
            modules_.pop_back();
        }
    }
}

}  // namespace emu
