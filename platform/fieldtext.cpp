#include "platform/fieldtext.h"

namespace bw {

namespace {
bool isBreak(char c)
{
    // Vertical tab and form feed break lines for some programs too.
    return c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
bool isControl(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t') || u == 0x7F;
}
} // namespace

FieldText checkFieldText(std::string_view text, FieldShape shape, bool keepTrailingBreak)
{
    FieldText out;
    out.text.reserve(text.size());
    bool pendingBlank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isBreak(c)) {
            if (shape == FieldShape::Lines) {
                // CR LF and a lone CR are one line break, as when reading a file.
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                out.text += '\n';
            } else {
                out.lineBreaks = true;
                // Runs of breaks make one blank; none before the first text.
                pendingBlank = !out.text.empty();
            }
            continue;
        }
        if (c == '|') {
            out.bars = true;
            continue;
        }
        if (isControl(c)) {
            out.controls = true;
            continue;
        }
        if (pendingBlank) {
            out.text += ' ';
            pendingBlank = false;
        }
        out.text += c;
    }
    if (pendingBlank && keepTrailingBreak)
        out.text += ' ';
    return out;
}

std::string asFieldText(std::string_view text, FieldShape shape)
{
    return checkFieldText(text, shape).text;
}

} // namespace bw
