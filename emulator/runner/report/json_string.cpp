#include "json_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace report {

namespace {

/* The length of the valid UTF-8 sequence starting at text[i], or 0. */
size_t Utf8Length(const std::string& text, size_t i)
{
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead <= 0xDF ? 2 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    unsigned char second = byte(i + 1);
    bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
    bool surrogate = lead == 0xED && second >= 0xA0;
    bool beyond = lead == 0xF4 && second >= 0x90;
    return overlong || surrogate || beyond ? 0 : length;
}

void Escape(std::string& out, unsigned code)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", code);
    out += text;
}

}  // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c == 0x7F || c == '<' || c == '>' || c == '&') {
            Escape(out, c);
        } else if (c >= 0x80) {
            size_t length = Utf8Length(text, i);
            if (length == 0) {
                Escape(out, c);
                ++i;
                continue;
            }
            bool lineSeparator = length == 3 && c == 0xE2 && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                                 (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xA8;
            if (lineSeparator)
                Escape(out, 0x2028u + (static_cast<unsigned char>(text[i + 2]) - 0xA8u));
            else
                out.append(text, i, length);
            i += length;
            continue;
        } else {
            out += char(c);
        }
        ++i;
    }
    return out + '"';
}

std::string JsonNumber(double value, int digits)
{
    if (!std::isfinite(value))
        return "null";
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    // "1.5e6" says what "1.5e+06" says, shorter
    std::string out = text;
    size_t e = out.find('e');
    if (e != std::string::npos)
        out = out.substr(0, e + 1) + std::to_string(std::strtol(text + e + 1, nullptr, 10));
    return out;
}

}  // namespace report
