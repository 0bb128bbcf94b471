#include "emulator/host/session/input_box.h"

#include <vector>

namespace emu {

void InputBox::open(const char* title, InputBoxCallback callback, const char* text, int visibleLength,
                    void* userData)
{
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
    // The callback may write into the text, as into the host's own edit buffer.
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    return callback_(nullptr, buffer.data(), userData_);
}

}  // namespace emu
