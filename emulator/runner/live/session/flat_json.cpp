#include "flat_json.h"

#include <cctype>

namespace live {

namespace {

/* The most fields an action has, with room: a request with more is not one. */
const size_t mostFields = 8;

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    void skipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' ||
                                      text_[at_] == '\r'))
            ++at_;
    }
    bool take(char c)
    {
        skipBlanks();
        if (at_ >= text_.size() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }
    bool atEnd()
    {
        skipBlanks();
        return at_ == text_.size();
    }
    bool peek(char c)
    {
        skipBlanks();
        return at_ < text_.size() && text_[at_] == c;
    }

    bool string(std::string& out, std::string& error)
    {
        if (!take('"'))
            return fail("expected a string", error);
        while (at_ < text_.size()) {
            unsigned char c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return fail("a string holds a control character", error);
            if (c != '\\') {
                out += char(c);
                continue;
            }
            if (at_ >= text_.size())
                break;
            char e = text_[at_++];
            const char* plain = "\"\\/";
            const char* named = "bfnrt";
            const char* meant = "\b\f\n\r\t";
            if (std::char_traits<char>::find(plain, 3, e))
                out += e;
            else if (const char* n = std::char_traits<char>::find(named, 5, e))
                out += meant[n - named];
            else if (e == 'u') {
                if (!unicode(out, error))
                    return false;
            } else
                return fail("a string holds an unknown escape", error);
        }
        return fail("a string is not closed", error);
    }

    bool number(std::string& out, std::string& error)
    {
        skipBlanks();
        size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-')
            ++at_;
        size_t digits = at_;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
            ++at_;
        if (at_ == digits)
            return fail("expected a string or a whole number", error);
        if (at_ < text_.size() && (text_[at_] == '.' || text_[at_] == 'e' || text_[at_] == 'E'))
            return fail("expected a whole number", error);
        out = text_.substr(start, at_ - start);
        return true;
    }

private:
    /* Four hex digits, as UTF-8; a surrogate has no place in a name or a
     * typed text, so it is refused rather than paired. */
    bool unicode(std::string& out, std::string& error)
    {
        if (text_.size() - at_ < 4)
            return fail("a \\u escape needs four hex digits", error);
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            char h = text_[at_++];
            if (!std::isxdigit(static_cast<unsigned char>(h)))
                return fail("a \\u escape needs four hex digits", error);
            code = code * 16 + unsigned(std::isdigit(static_cast<unsigned char>(h)) ? h - '0'
                                                                                    : std::tolower(h) - 'a' + 10);
        }
        if (code >= 0xD800 && code <= 0xDFFF)
            return fail("a \\u escape names half a character", error);
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
        return true;
    }

    bool fail(const char* what, std::string& error) const
    {
        error = std::string(what) + " at byte " + std::to_string(at_);
        return false;
    }

    const std::string& text_;
    size_t at_ = 0;
};

}  // namespace

bool ReadFlatJson(const std::string& body, JsonFields& fields, std::string& error)
{
    fields.clear();
    Reader in(body);
    if (!in.take('{')) {
        error = "expected a JSON object";
        return false;
    }
    if (!in.take('}')) {
        do {
            std::string name;
            JsonValue value;
            if (!in.string(name, error))
                return false;
            if (!in.take(':')) {
                error = "expected ':' after \"" + name + "\"";
                return false;
            }
            value.isNumber = !in.peek('"');
            if (!(value.isNumber ? in.number(value.text, error) : in.string(value.text, error)))
                return false;
            if (!fields.emplace(name, value).second) {
                error = "the field \"" + name + "\" is given twice";
                return false;
            }
            if (fields.size() > mostFields) {
                error = "too many fields";
                return false;
            }
        } while (in.take(','));
        if (!in.take('}')) {
            error = "expected ',' or '}'";
            return false;
        }
    }
    if (!in.atEnd()) {
        error = "text after the object";
        return false;
    }
    return true;
}

}  // namespace live
