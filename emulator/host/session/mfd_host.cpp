#include "emulator/host/session/mfd_host.h"

#include <algorithm>
#include <map>

namespace emu {

namespace {

const int rowHeight = 16;
const int charWidth = 8;

/* The mode's display object for the vessel, as its procedure makes it on
 * the host's notice of an opening; null when it makes none. */
MFD* MakeDisplayObject(const MfdMode& mode, int id, int width, int height, VESSEL* iface)
{
    WPARAM size = (WPARAM(height & 0xFFFF) << 16) | WPARAM(width & 0xFFFF);
    return reinterpret_cast<MFD*>(mode.msgproc(OAPI_MSG_MFD_OPENED, UINT(id), size, reinterpret_cast<LPARAM>(iface)));
}

}  // namespace

std::string Screen::row(int y) const
{
    std::string text;
    for (const TextItem& item : canvas.items)
        if (item.y == y)
            text += item.text;
    return text;
}

int MfdHost::registerMode(const MFDMODESPEC& modeSpec, const ModuleInstance* owner)
{
    int id = nextModeId_++;
    modes_.push_back({id, modeSpec.name ? modeSpec.name : "", modeSpec.key, modeSpec.msgproc, owner});
    return id;
}

bool MfdHost::reachable(const Display& d, const char* call)
{
    if (!d.owner || d.owner->mapped())
        return true;
    if (faultReport_)
        faultReport_(call, "display " + std::to_string(d.id) + " belongs to the module " + d.owner->path +
                               ", whose library is unloaded");
    return false;
}

const Display* MfdHost::callable(int id, const char* call)
{
    const Display* d = display(id);
    return d && reachable(*d, call) ? d : nullptr;
}

void MfdHost::destroy(const Display& d)
{
    if (reachable(d, "closing a display")) {
        delete d.object;
        return;
    }
    // Its destructor is gone with its library; the memory at least goes
    // back, the run having failed already.
    ::operator delete(static_cast<void*>(d.object));
}

bool MfdHost::unregisterMode(int id)
{
    auto it = std::find_if(modes_.begin(), modes_.end(), [id](const MfdMode& m) { return m.id == id; });
    if (it == modes_.end())
        return false;
    modes_.erase(it);
    return true;
}

const MfdMode* MfdHost::mode(const std::string& name) const
{
    for (const MfdMode& m : modes_)
        if (m.name == name)
            return &m;
    return nullptr;
}

int MfdHost::open(const std::string& modeName, OBJHANDLE vessel, VESSEL* iface, int width, int height)
{
    const MfdMode* m = mode(modeName);
    if (!m || !m->msgproc)
        return -1;
    int id = nextDisplayId_++;
    Display d{id, m->id, nullptr, vessel, width, height, m->owner};
    if (!reachable(d, "opening a display"))
        return -1;
    d.object = MakeDisplayObject(*m, id, width, height, iface);
    if (!d.object)
        return -1;
    displays_.push_back(d);
    return id;
}

const Display* MfdHost::display(int id) const
{
    for (const Display& d : displays_)
        if (d.id == id)
            return &d;
    return nullptr;
}

bool MfdHost::pressKey(int id, DWORD key)
{
    const Display* d = callable(id, "a key on a display");
    return d && d->object->ConsumeKeyBuffered(key);
}

bool MfdHost::clickButton(int id, int button, int event)
{
    const Display* d = callable(id, "a button of a display");
    return d && d->object->ConsumeButton(button, event);
}

std::string MfdHost::buttonLabel(int id, int button)
{
    const Display* d = callable(id, "a display's button label");
    const char* label = d ? d->object->ButtonLabel(button) : nullptr;
    return label ? label : "";
}

int MfdHost::buttonMenu(int id, const MFDBUTTONMENU** menu)
{
    const Display* d = callable(id, "a display's button menu");
    return d ? d->object->ButtonMenu(menu) : 0;
}

Screen MfdHost::redraw(int id)
{
    Screen screen;
    const Display* d = callable(id, "redrawing a display");
    if (!d)
        return screen;
    d->object->Update(screen.canvas.dc());
    // Lay the texts out on a character grid, one row per 16 pixels.
    std::map<int, std::string> rows;
    for (const TextItem& item : screen.canvas.items) {
        std::string& row = rows[item.y / rowHeight];
        size_t column = size_t(std::max(0, item.x / charWidth));
        if (row.size() < column)
            row.resize(column, ' ');
        row.replace(column, std::min(item.text.size(), row.size() - column), item.text);
    }
    screen.lines.push_back(screen.canvas.title);
    int last = rows.empty() ? 0 : rows.rbegin()->first;
    for (int r = 1; r <= last; ++r)
        screen.lines.push_back(rows.count(r) ? rows[r] : "");
    return screen;
}

void MfdHost::close(int id)
{
    auto it = std::find_if(displays_.begin(), displays_.end(), [id](const Display& d) { return d.id == id; });
    if (it == displays_.end())
        return;
    Display closing = *it;
    displays_.erase(it);
    destroy(closing);
}

void MfdHost::follow(OBJHANDLE vessel, VESSEL* iface)
{
    // Each display keeps its place and its mode; its object is made anew for
    // the new vessel, and one its mode does not make closes.
    for (Display& d : displays_) {
        destroy(d);
        d.object = nullptr;
        d.vessel = vessel;
        const MfdMode* m = nullptr;
        for (const MfdMode& candidate : modes_)
            if (candidate.id == d.modeId)
                m = &candidate;
        d.owner = m ? m->owner : nullptr;
        d.object = m && reachable(d, "opening a display") ? MakeDisplayObject(*m, d.id, d.width, d.height, iface)
                                                          : nullptr;
    }
    displays_.erase(std::remove_if(displays_.begin(), displays_.end(), [](const Display& d) { return !d.object; }),
                    displays_.end());
}

void MfdHost::closeAllOn(OBJHANDLE vessel)
{
    std::vector<int> open;
    for (const Display& d : displays_)
        if (d.vessel == vessel)
            open.push_back(d.id);
    for (int d : open)
        close(d);
}

void MfdHost::closeAll()
{
    while (!displays_.empty())
        close(displays_.back().id);
}

}  // namespace emu
