#include "platform/convert.h"

#include "platform/error.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace bw {

bool tryStrToInt(const std::string& text, int& out)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size())
        return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return false;
    out = static_cast<int>(value);
    return true;
}

int strToInt(const std::string& text)
{
    int v = 0;
    if (!tryStrToInt(text, v))
        throwNotInteger(text);
    return v;
}

bool tryStrToFloat(const std::string& text, double& out)
{
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    bool negative = false;
    if (b < e && (text[b] == '+' || text[b] == '-')) {
        negative = text[b] == '-';
        ++b;
    }
    // Only digits or a point may start the number: no "inf", "nan" or hex.
    if (b >= e || !((text[b] >= '0' && text[b] <= '9') || text[b] == '.'))
        return false;
    double v = 0;
    const char* first = text.data() + b;
    const char* last = text.data() + e;
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(v))
        return false;
    out = negative ? -v : v;
    return true;
}

double strToFloat(const std::string& text)
{
    double v = 0;
    if (!tryStrToFloat(text, v))
        throwNotFloat(text);
    return v;
}

std::string formatFixed2(double value)
{
    char buf[400];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    std::string s = ec == std::errc() ? std::string(buf, ptr) : std::string("0.00");
    if (s.size() < 4)
        s.insert(0, 4 - s.size(), ' ');
    return s;
}

std::string upperAZ(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace bw
