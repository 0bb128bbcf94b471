/* Files in the simulator's tree, named as the system writes them
 * ("config\vessels\nuke.cfg"), relative to the simulator's root folder. */
#ifndef BRIMSTAR_HOST_HOST_FILE_H
#define BRIMSTAR_HOST_HOST_FILE_H

#include <cstdio>

/* fopen with the path translated for this platform; null when it fails. */
std::FILE* OpenHostFile(const char* path, const char* mode);

#endif
