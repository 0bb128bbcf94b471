#include "emulator/host/session/input_box.h"

#include <algorithm>
#include <vector>

namespace emu {

void InputBox::open(const char* title, InputBoxCallback callback, const char* text, int visibleLength,
                    void* userData, const ModuleInstance* owner)
{
    owner_ = owner;
    open_ = true;
    title_ = title ? title : "";
    initialText_ = text ? text : "";
    visibleLength_ = visibleLength;
    callback_ = callback;
    userData_ = userData;
}

bool InputBox::confirm(const std::string& text)
{
    if (!open_)
        return false;
    open_ = false;
    if (!callback_)
        return false;
    if (owner_ && !owner_->mapped()) {
        if (faultReport_)
            faultReport_("confirming the input box", "its callback belongs to the module " + owner_->path +
                                                         ", whose library is unloaded");
        return false;
    }
    // The host's edit field holds what it can, and the callback may write
    // into it; the box passes itself as the callback's id.
    std::vector<char> buffer(text.begin(), text.begin() + std::min(text.size(), maxLength));
    buffer.push_back('\0');
    return callback_(this, buffer.data(), userData_);
}

}  // namespace emu
