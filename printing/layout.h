#pragma once
// A printout laid out as plain data before anything reaches the printer: the
// texts of the record sheet and of the reports, then where each one goes.
// Composing reads every field first, so a bad field stops the print before a
// job is begun.
#include <string>
#include <vector>

#include "app/mainstate.h"

namespace bw {

// "03121998" -> "03/12/1998". Stops where the text ends ("1231" -> "12/31/");
// anything past the eighth character is dropped. Digits are never reordered.
std::string slashedDate(const std::string& date);

// The entry that a stored position names in `list`; "" for a position that
// names none. A field that is not a whole number raises the conversion error.
std::string pickListText(const IComboBox& list, const std::string& field);

// One line of a record's data and the step taken down the page before it.
struct SheetLine {
    int advance;
    std::string text;
};

// The record's labelled lines, without the lines whose value is an empty date.
std::vector<SheetLine> sheetLines(const std::string& recordLine, const MainControls& ui);

enum class ReportKind { All, Retired, Current, Sold, Unsold };

// Whether the report lists the record. An empty sell price counts as 0 (not
// sold); any other text that is not a number raises the conversion error.
bool reportListsRecord(ReportKind kind, const std::string& recordLine);

// The blocks of every listed record in the order of `records`, each closed by
// two lines of one blank.
std::vector<std::string> reportLines(ReportKind kind, const StringList& records, const MainControls& ui);

// How tall a printed line of text is, top of the tallest letter to the foot
// of the lowest; the surface picks its font to fit.
constexpr int TextHeight = 50;

struct PlacedText {
    int x, y;
    std::string text;
};

struct PlacedPicture {
    Rect rect;
    const Bitmap* bitmap;
};

struct PrintPage {
    std::vector<PlacedPicture> pictures;
    std::vector<PlacedText> texts;
};

using Printout = std::vector<PrintPage>;

// One page. withPicture: the record has a picture path; bitmap: what the
// window shows for it, nullptr or an empty bitmap when nothing could be read.
Printout placeSheet(const std::vector<SheetLine>& lines, bool withPicture, const Bitmap* bitmap,
                    int pageWidth, int pageHeight);

// Lines 75 apart from y 100; a line that would not fit whole above the page's
// foot starts the next page, at y 100.
Printout placeReport(const std::vector<std::string>& lines, int pageWidth, int pageHeight);

} // namespace bw
