/* The host's one-line input box. Opening one replaces any box still open;
 * the pilot's confirmed text, at most 127 characters as the host's field
 * holds, goes to the callback given at opening, with the box as its id. The
 * box closes whatever the callback answers. The callback is its module's
 * code: once that library is unmapped the call is not made but reported,
 * as the host would crash on it. */
#ifndef BRIMSTAR_EMULATOR_HOST_INPUT_BOX_H
#define BRIMSTAR_EMULATOR_HOST_INPUT_BOX_H

#include "OrbiterAPI.h"
#include "emulator/host/session/module_registry.h"

#include <cstddef>
#include <string>

namespace emu {

/* What the box calls with the text entered */
using InputBoxCallback = bool (*)(void* id, char* text, void* usrdata);

class InputBox {
public:
    static constexpr std::size_t maxLength = 127;

    void setFaultReport(FaultReport report) { faultReport_ = std::move(report); }

    /* The owner is the module whose code the callback is, or null. */
    void open(const char* title, InputBoxCallback callback, const char* text, int visibleLength,
              void* userData, const ModuleInstance* owner = nullptr);
    bool isOpen() const { return open_; }
    const std::string& title() const { return title_; }
    const std::string& initialText() const { return initialText_; }
    int visibleLength() const { return visibleLength_; }

    /* Confirms the text; the callback's answer, or false without a box. The
     * box closes either way. */
    bool confirm(const std::string& text);
    void cancel() { open_ = false; }

private:
    FaultReport faultReport_;
    const ModuleInstance* owner_ = nullptr;
    bool open_ = false;
    std::string title_;
    std::string initialText_;
    int visibleLength_ = 0;
    InputBoxCallback callback_ = nullptr;
    void* userData_ = nullptr;
};

}  // namespace emu

#endif
