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

/* Loads the library, fills the service table and hands it over through
 * initint. Reports a missing library once. */
void LoadCollisionModule();

/* Looks up the other entry points; reports once when a required one is
 * missing. */
void LookUpCollisionEntryPoints();

void ReleaseCollisionModule();

/* Start-up failures go to the pilot in a modal box; the run goes on. */
void ShowStartupError(const char* text);

#endif
