#include "standin_names.h"
#include "text_canvas.h"

#include <cstring>

extern "C" BOOL WINAPI STANDIN(TextOutA)(HDC hdc, int x, int y, LPCSTR text, int length)
{
    if (!hdc || !text || length < 0)
        return FALSE;
    TextCanvas::from(hdc)->items.push_back({x, y, std::string(text, strnlen(text, size_t(length)))});
    return TRUE;
}
