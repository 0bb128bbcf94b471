/* The pilot's requests as the page sends them: one JSON object whose values
 * are strings or whole numbers, nothing nested. Anything else is refused
 * with why, so that a request means one thing or nothing. */
#ifndef BRIMSTAR_RUNNER_LIVE_FLAT_JSON_H
#define BRIMSTAR_RUNNER_LIVE_FLAT_JSON_H

#include <map>
#include <string>

namespace live {

/* A value read: a string's text, or a number's digits with its sign. */
struct JsonValue {
    bool isNumber = false;
    std::string text;
};

using JsonFields = std::map<std::string, JsonValue>;

/* The object's fields; false with why not. A name twice, an escape that is
 * not one, a control character in a string, a fraction or exponent, or
 * text after the object are refused. */
bool ReadFlatJson(const std::string& body, JsonFields& fields, std::string& error);

}  // namespace live

#endif
