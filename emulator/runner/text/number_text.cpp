#include "emulator/runner/text/number_text.h"

#include <cmath>
#include <cstdlib>

namespace runner {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

/* The number of digits from i on. */
size_t Digits(const std::string& word, size_t i)
{
    size_t start = i;
    while (i < word.size() && IsDigit(word[i]))
        ++i;
    return i - start;
}

/* [+-] digits [. digits] [e [+-] digits], with digits on at least one side
 * of the point: what strtod reads beyond that (hexadecimal, inf, nan,
 * leading blanks) is not a number here. */
bool IsPlainDecimal(const std::string& word)
{
    size_t i = 0;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        ++i;
    size_t whole = Digits(word, i);
    i += whole;
    size_t fraction = 0;
    if (i < word.size() && word[i] == '.') {
        fraction = Digits(word, i + 1);
        i += 1 + fraction;
    }
    if (whole + fraction == 0)
        return false;
    if (i < word.size() && (word[i] == 'e' || word[i] == 'E')) {
        ++i;
        if (i < word.size() && (word[i] == '+' || word[i] == '-'))
            ++i;
        size_t exponent = Digits(word, i);
        if (exponent == 0)
            return false;
        i += exponent;
    }
    return i == word.size();
}

bool AllZeroDigits(const std::string& word)
{
    for (char c : word) {
        if (c == 'e' || c == 'E')
            break;
        if (IsDigit(c) && c != '0')
            return false;
    }
    return true;
}

}  // namespace

std::string ReadDecimal(const std::string& word, double& value)
{
    if (!IsPlainDecimal(word))
        return "not a number";
    double read = std::strtod(word.c_str(), nullptr);
    if (!std::isfinite(read))
        return "too large a number";
    if (std::fpclassify(read) == FP_SUBNORMAL || (read == 0 && !AllZeroDigits(word)))
        return "too small a number (it would be read as 0 or as a denormal)";
    value = read;
    return "";
}

bool ReadWhole(const std::string& word, long long low, long long high, long long& value)
{
    if (word.empty() || word.size() > 18 || Digits(word, 0) != word.size())
        return false;
    long long read = std::strtoll(word.c_str(), nullptr, 10);
    if (read < low || read > high)
        return false;
    value = read;
    return true;
}

}  // namespace runner
