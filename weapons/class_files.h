/* The files through which the host learns the module's two vessel classes,
 * and the bomb's mesh. Each is replaced whole; one that cannot be opened is
 * skipped without a word. */
#ifndef BRIMSTAR_WEAPONS_CLASS_FILES_H
#define BRIMSTAR_WEAPONS_CLASS_FILES_H

/* Writes the nuke class file, then always the mesh. */
void WriteNukeClassFile(const char* modulePath);

void WriteRoidClassFile(const char* modulePath);

void WriteNukeMesh(float red, float green, float blue);

#endif
