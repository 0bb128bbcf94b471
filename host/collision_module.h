/* The separately installed collision library: loading it, handing it the
 * service table, looking up its entry points, and calling only those found.
 */
#ifndef BRIMSTAR_HOST_COLLISION_MODULE_H
#define BRIMSTAR_HOST_COLLISION_MODULE_H

#include "host/collision_api.h"

struct CollisionModule {
    HMODULE handle;
    MainCallFn maincall;
    DrMfdFn drmfd;
    MfdEvFn mfdev;
    StatFn statl;
    StatFn stats;
    SetOnCollideFn VSSetOnCollide;
};

extern CollisionModule collisionModule;

extern const char* const collisionModulePath;

/* Loads the library and hands it the service table, filled by the caller
 * (the services live above this boundary), through initint. Reports a
 * missing library once. */
void LoadCollisionModule(void** serviceTable);

/* Looks up the other entry points; reports once when a required one is
 * missing. */
void LookUpCollisionEntryPoints();

void ReleaseCollisionModule();

/* Start-up failures go to the pilot in a modal box; the run goes on. */
void ShowStartupError(const char* text);

#endif
