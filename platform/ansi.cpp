#include "platform/ansi.h"

namespace bw {

namespace {
// Code points of 0x80..0x9F in Windows-1252; 0 where the code page has none
// (those bytes stand for the control character of the same number).
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The Windows-1252 byte of a code point, or -1.
int ansiByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] ? kHigh[i] == cp : cp == static_cast<char32_t>(0x80 + i))
            return 0x80 + i;
    return -1;
}

// Reads one UTF-8 sequence at i; false (and i past the bad byte) when it is
// not a well-formed one.
bool nextCodePoint(std::string_view s, std::size_t& i, char32_t& cp)
{
    const auto b = static_cast<unsigned char>(s[i++]);
    int more = 0;
    if (b < 0x80) {
        cp = b;
        return true;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        cp = b & 0x1F;
        more = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
        cp = b & 0x0F;
        more = 2;
    } else if (b >= 0xF0 && b <= 0xF4) {
        cp = b & 0x07;
        more = 3;
    } else {
        return false;
    }
    const char32_t mins[4] = {0, 0x80, 0x800, 0x10000};
    const int length = more;
    while (more-- > 0) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp >= mins[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

std::optional<std::string> convert(std::string_view utf8, bool lossy)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const int byte = nextCodePoint(utf8, i, cp) ? ansiByte(cp) : -1;
        if (byte < 0) {
            if (!lossy)
                return std::nullopt;
            out += '?';
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}
} // namespace

std::string ansiToUtf8(const std::string& ansi)
{
    std::string out;
    out.reserve(ansi.size());
    for (unsigned char c : ansi) {
        char32_t cp = c;
        if (c >= 0x80 && c <= 0x9F)
            cp = kHigh[c - 0x80] ? kHigh[c - 0x80] : c;
        appendUtf8(out, cp);
    }
    return out;
}

std::optional<std::string> utf8ToAnsi(std::string_view utf8)
{
    return convert(utf8, false);
}

std::string utf8ToAnsiLossy(std::string_view utf8)
{
    return *convert(utf8, true);
}

} // namespace bw
