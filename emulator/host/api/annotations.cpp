/* The host functions on annotations: see annotation.h. */
#include "emulator/host/api/host_call.h"

using namespace emu;

namespace {

Annotation* Find(Host* host, NOTEHANDLE note)
{
    return host ? host->annotations().find(note) : nullptr;
}

}  // namespace

NOTEHANDLE oapiCreateAnnotation(bool exclusive, double size, const VECTOR3& col)
{
    Host* host = EnterHost("oapiCreateAnnotation", exclusive, size, col);
    if (!host)
        return nullptr;
    Annotation note;
    note.exclusive = exclusive;
    note.size = size;
    note.colour = col;
    return host->annotations().insert(std::move(note));
}

bool oapiDelAnnotation(NOTEHANDLE note)
{
    Host* host = EnterHost("oapiDelAnnotation");
    return host && host->annotations().erase(note).has_value();
}

void oapiAnnotationSetPos(NOTEHANDLE note, double x1, double y1, double x2, double y2)
{
    Annotation* a = Find(EnterHost("oapiAnnotationSetPos", x1, y1, x2, y2), note);
    if (!a)
        return;
    a->x1 = x1;
    a->y1 = y1;
    a->x2 = x2;
    a->y2 = y2;
}

void oapiAnnotationSetText(NOTEHANDLE note, char* text)
{
    Annotation* a = Find(EnterHost("oapiAnnotationSetText", text), note);
    if (a)
        a->text = text ? text : "";
}
