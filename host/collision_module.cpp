#include "collision_module.h"

#include <cstdio>

CollisionModule collisionModule;

const char* const collisionModulePath = "modules\\collision.dll";

namespace {

template <typename Fn>
Fn LookUp(const char* name)
{
    return FunctionCast<Fn>(GetProcAddress(collisionModule.handle, name));
}

}  // namespace

void ShowStartupError(const char* text)
{
    MessageBoxA(nullptr, text, "Error!", MB_OK);
}

void LoadCollisionModule(void** serviceTable)
{
    collisionModule.handle = LoadLibraryA(collisionModulePath);
    if (!collisionModule.handle) {
        char text[300];
        std::snprintf(text, sizeof text, "%s not found. Check installation.", collisionModulePath);
        ShowStartupError(text);
        return;
    }
    auto initint = LookUp<InitIntFn>("initint");
    if (initint)
        initint(serviceTable);
}

void LookUpCollisionEntryPoints()
{
    collisionModule.maincall = LookUp<MainCallFn>("maincall");
    collisionModule.drmfd = LookUp<DrMfdFn>("drmfd");
    collisionModule.mfdev = LookUp<MfdEvFn>("mfdev");
    collisionModule.statl = LookUp<StatFn>("statl");
    collisionModule.stats = LookUp<StatFn>("stats");
    collisionModule.VSSetOnCollide = LookUp<SetOnCollideFn>("VSSetOnCollide");

    bool complete = collisionModule.maincall && collisionModule.drmfd && collisionModule.mfdev &&
                    collisionModule.statl && collisionModule.stats;
    if (!complete)
        ShowStartupError("modules\\collision.dll error. Check installation.");
}

void ReleaseCollisionModule()
{
    if (collisionModule.handle)
        FreeLibrary(collisionModule.handle);
}
