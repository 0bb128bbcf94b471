#include "class_files.h"

#include "host/host_file.h"

#include <cstdio>

namespace {

/* A regular octahedron, flat-shaded: every face has its own three vertices.
 * The tiny residues are part of the published shape and are kept as they are. */
const char* const meshGeometry[] = {
    "MSHX1",
    "GROUPS 1",
    "MATERIAL 1",
    "TEXTURE 0",
    "GEOM 24 8",
    "0.0 2.0 0.0 0.57735 0.57735 -0.57735",
    "0.0 0.0 -2.0 0.57735 0.57735 -0.57735",
    "2.0 0.0 1.74846e-007 0.57735 0.57735 -0.57735",
    "-2.62268e-007 0.0 2.0 0.57735 0.57735 0.57735",
    "-2.0 0.0 -3.49691e-007 -0.57735 0.57735 0.57735",
    "0.0 -2.0 0.0 0.57735 -0.57735 -0.57735",
    "0.0 2.0 0.0 0.57735 0.57735 0.57735",
    "0.0 2.0 0.0 -0.57735 0.57735 0.57735",
    "0.0 2.0 0.0 -0.57735 0.57735 -0.57735",
    "0.0 0.0 -2.0 -0.57735 0.57735 -0.57735",
    "0.0 0.0 -2.0 0.57735 -0.57735 -0.57735",
    "0.0 0.0 -2.0 -0.57735 -0.57735 -0.57735",
    "2.0 0.0 1.74846e-007 0.57735 0.57735 0.57735",
    "2.0 0.0 1.74846e-007 0.57735 -0.57735 -0.57735",
    "2.0 0.0 1.74846e-007 0.57735 -0.57735 0.57735",
    "-2.62268e-007 0.0 2.0 -0.57735 0.57735 0.57735",
    "-2.62268e-007 0.0 2.0 0.57735 -0.57735 0.57735",
    "-2.62268e-007 0.0 2.0 -0.57735 -0.57735 0.57735",
    "-2.0 0.0 -3.49691e-007 -0.57735 0.57735 -0.57735",
    "-2.0 0.0 -3.49691e-007 -0.57735 -0.57735 0.57735",
    "-2.0 0.0 -3.49691e-007 -0.57735 -0.57735 -0.57735",
    "0.0 -2.0 0.0 0.57735 -0.57735 0.57735",
    "0.0 -2.0 0.0 -0.57735 -0.57735 0.57735",
    "0.0 -2.0 0.0 -0.57735 -0.57735 -0.57735",
    "0 2 1",
    "6 3 12",
    "7 4 15",
    "8 9 18",
    "5 10 13",
    "21 14 16",
    "22 17 19",
    "23 20 11",
    "MATERIALS 1",
    "Material #1",
    "MATERIAL Material #1",
};

void WriteClassFile(const char* path, const char* className, const char* modulePath)
{
    std::FILE* file = OpenHostFile(path, "w+");
    if (!file)
        return;
    std::fprintf(file, "ClassName=%s\n", className);
    std::fprintf(file, "Module=%s\n", modulePath);
    std::fclose(file);
}

}  // namespace

void WriteNukeClassFile(const char* modulePath)
{
    WriteClassFile("config\\vessels\\nuke.cfg", "nuke", modulePath);
    WriteNukeMesh(1.0f, 0.0f, 0.0f);
}

void WriteRoidClassFile(const char* modulePath)
{
    WriteClassFile("config\\vessels\\roid.cfg", "roid", modulePath);
}

void WriteNukeMesh(float red, float green, float blue)
{
    std::FILE* file = OpenHostFile("meshes\\nuke.msh", "w+");
    if (!file)
        return;
    for (const char* line : meshGeometry)
        std::fprintf(file, "%s\n", line);
    // Diffuse, ambient and specular share the colour; the emissive part is black.
    for (int i = 0; i < 3; ++i)
        std::fprintf(file, "%f %f %f 1.000\n", double(red), double(green), double(blue));
    std::fputs("0 0 0 1\n", file);
    std::fputs("TEXTURES 0\n", file);
    std::fclose(file);
}
