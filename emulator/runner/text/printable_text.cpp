#include "emulator/runner/text/printable_text.h"

#include <cstdio>

namespace runner {

namespace {

/* The length of the well-formed UTF-8 sequence of a printable character at
 * text[i], or 0: overlong forms, surrogates, code points past U+10FFFF, the
 * C1 controls and the non-characters U+FFFE and U+FFFF (which XML refuses)
 * are not. */
size_t PrintableSequence(const std::string& text, size_t i)
{
    auto byte = [&](size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    unsigned lead = byte(i);
    if (lead >= 0x20 && lead < 0x7F)
        return 1;
    size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0)
        return 0;
    unsigned long code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    bool wellFormed = code >= smallest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    bool printable = code > 0x9F && code != 0xFFFE && code != 0xFFFF;
    return wellFormed && printable ? length : 0;
}

}  // namespace

std::string Printable(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (size_t length = PrintableSequence(text, i)) {
            out.append(text, i, length);
            i += length;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(text[i]));
        out += escaped;
        ++i;
    }
    return out;
}

}  // namespace runner
