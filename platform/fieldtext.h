#pragma once
// The rule for every text that enters a field of the collection's files, in
// Windows-1252 bytes: nothing may split a line into two records or a record
// into more fields. The widgets apply it (with a notice) as text arrives; the
// record operations apply it again before a line is built.
#include <string>
#include <string_view>

namespace bw {

enum class FieldShape {
    OneLine, // a box or a pick-list entry: a line break becomes a blank
    Lines,   // the notes box: line breaks stay, they make its lines
};

struct FieldText {
    std::string text;
    bool lineBreaks = false; // one or more line breaks became a blank or were dropped
    bool bars = false;       // "|" left out
    bool controls = false;   // NUL and the other control characters left out
    bool changed() const { return lineBreaks || bars || controls; }
};

// keepTrailingBreak: the text is the part before the cursor, so a line break
// at its end is followed by more text and becomes a blank.
FieldText checkFieldText(std::string_view text, FieldShape shape, bool keepTrailingBreak = false);

// checkFieldText(...).text.
std::string asFieldText(std::string_view text, FieldShape shape = FieldShape::OneLine);

} // namespace bw
