/* Files in the simulator's tree, named as the system writes them
 * ("config\vessels\nuke.cfg"), relative to the simulator's root folder. */
#ifndef BRIMSTAR_HOST_HOST_FILE_H
#define BRIMSTAR_HOST_HOST_FILE_H

#include <cstdio>
#include <string>

/* A path as the system writes it, as this platform opens it: the one place
 * backslashes are translated. */
inline std::string ToPlatformPath(const char* path)
{
    std::string result(path ? path : "");
#if !defined(_WIN32)
    for (char& c : result)
        if (c == '\\')
            c = '/';
#endif
    return result;
}

/* fopen with the path translated for this platform; null when it fails. */
std::FILE* OpenHostFile(const char* path, const char* mode);

#endif
