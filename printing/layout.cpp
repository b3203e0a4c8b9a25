#include "printing/layout.h"

#include <algorithm>

#include "platform/convert.h"

namespace bw {

std::string slashedDate(const std::string& date)
{
    std::string out;
    for (std::size_t i = 0; i < date.size() && i < 8; ++i) {
        out += date[i];
        if (i == 1 || i == 3)
            out += '/';
    }
    return out;
}

std::string pickListText(const IComboBox& list, const std::string& field)
{
    const int index = strToInt(field);
    return index >= 0 && index < list.count() ? list.item(index) : std::string();
}

std::vector<SheetLine> sheetLines(const std::string& recordLine, const MainControls& ui)
{
    const auto field = [&](RecordField f) { return splitField(recordLine, f); };
    std::vector<SheetLine> lines;
    const auto always = [&](int advance, std::string text) { lines.push_back({advance, std::move(text)}); };
    const auto dated = [&](int advance, const char* label, RecordField f) {
        const std::string date = field(f);
        if (!date.empty())
            lines.push_back({advance, label + slashedDate(date)});
    };
    always(100, "Name: " + field(FName));
    always(100, "Style: " + field(FStyle));
    dated(100, "Birthday: ", FBirthday);
    dated(200, "Retired: ", FRetired);
    always(100, "Manufacturer: " + pickListText(*ui.mfglist, field(FManufacturer)));
    always(100, "Generation: " + pickListText(*ui.genlist, field(FGeneration)));
    always(100, "General Condition: " + pickListText(*ui.condlist1, field(FGeneralCondition)));
    always(100, "Hang Tag Condition: " + pickListText(*ui.condlist2, field(FHangTagCondition)));
    always(100, "Tush Tag Condition: " + pickListText(*ui.condlist3, field(FTushTagCondition)));
    always(100, "FINANCIAL DATA:");
    always(100, "Purchase Price: " + field(FPurchasePrice));
    dated(100, "Purchase Date: ", FPurchaseDate);
    always(100, "Selling Price: " + field(FSellPrice));
    dated(100, "Selling Date: ", FSellDate);
    always(100, "Market Value: " + field(FMarketValue));
    return lines;
}

namespace {

// A record added and not stored since still has an empty sell price; it is
// unsold, as the financial summary counts it.
bool isSold(const std::string& recordLine)
{
    const std::string price = splitField(recordLine, FSellPrice);
    return !price.empty() && strToFloat(price) != 0;
}

} // namespace

bool reportListsRecord(ReportKind kind, const std::string& recordLine)
{
    switch (kind) {
    case ReportKind::All:
        return true;
    case ReportKind::Retired:
        return !splitField(recordLine, FRetired).empty();
    case ReportKind::Current:
        return splitField(recordLine, FRetired).empty();
    case ReportKind::Sold:
        return isSold(recordLine);
    case ReportKind::Unsold:
        return !isSold(recordLine);
    }
    return false;
}

std::vector<std::string> reportLines(ReportKind kind, const StringList& records, const MainControls& ui)
{
    std::vector<std::string> pmemo;
    for (int i = 0; i < records.count(); ++i) {
        const std::string& line = records.at(i);
        if (!reportListsRecord(kind, line))
            continue;
        for (auto& l : sheetLines(line, ui))
            pmemo.push_back(std::move(l.text));
        pmemo.push_back(" ");
        pmemo.push_back(" ");
    }
    return pmemo;
}

namespace {

// The picture's place on the sheet: three times its size, centred at the top,
// or smaller, in proportion, where that would not leave the page's width or
// the room that `linesBelow` (the lines' advances plus a line) need below it.
Rect sheetPicture(int w, int h, int pageWidth, int pageHeight, int linesBelow)
{
    // Whole units only, rounding down, so the rectangle never grows past the
    // room it was given.
    long long pw = 3LL * w, ph = 3LL * h;
    const long long roomDown = std::max(0, pageHeight - linesBelow);
    if (pw > pageWidth) {
        pw = pageWidth;
        ph = static_cast<long long>(h) * pageWidth / w;
    }
    if (ph > roomDown) {
        ph = roomDown;
        pw = static_cast<long long>(w) * roomDown / h;
    }
    const int width = static_cast<int>(pw), height = static_cast<int>(ph);
    return {pageWidth / 2 - width / 2, 0, width, height};
}

} // namespace

Printout placeSheet(const std::vector<SheetLine>& lines, bool withPicture, const Bitmap* bitmap,
                    int pageWidth, int pageHeight)
{
    PrintPage page;
    const int x = pageWidth / 8;
    int y = 100;
    if (withPicture) {
        const int w = bitmap ? bitmap->width() : 0;
        const int h = bitmap ? bitmap->height() : 0;
        y = 0;
        // An unreadable picture keeps its (empty) place: nothing to draw.
        if (bitmap && !bitmap->isNull() && w > 0 && h > 0) {
            int below = TextHeight;
            for (const auto& line : lines)
                below += line.advance;
            const Rect rect = sheetPicture(w, h, pageWidth, pageHeight, below);
            if (rect.width > 0 && rect.height > 0) {
                page.pictures.push_back({rect, bitmap});
                y = rect.height;
            }
        }
    }
    for (const auto& line : lines) {
        y += line.advance;
        page.texts.push_back({x, y, line.text});
    }
    return {page};
}

Printout placeReport(const std::vector<std::string>& lines, int pageWidth, int pageHeight)
{
    Printout pages(1);
    const int x = pageWidth / 8;
    int y = 100;
    for (const auto& line : lines) {
        // A page too short for even one line still takes one a page.
        if (y + TextHeight > pageHeight && !pages.back().texts.empty()) {
            pages.emplace_back();
            y = 100;
        }
        pages.back().texts.push_back({x, y, line});
        y += 75;
    }
    return pages;
}

} // namespace bw
