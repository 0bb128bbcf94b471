/* What an HDC is on the POSIX stand-in: a canvas that keeps every text drawn
 * on it, with its pixel position, so that a display can be read as text. */
#ifndef BRIMSTAR_EMULATOR_WINDOWS_TEXT_CANVAS_H
#define BRIMSTAR_EMULATOR_WINDOWS_TEXT_CANVAS_H

#include "windows_subset.h"

#include <string>
#include <vector>

struct TextItem {
    int x;
    int y;
    std::string text;
};

struct TextCanvas {
    std::string title;
    std::vector<TextItem> items;

    HDC dc() { return reinterpret_cast<HDC>(this); }
    static TextCanvas* from(HDC hdc) { return reinterpret_cast<TextCanvas*>(hdc); }
};

#endif
