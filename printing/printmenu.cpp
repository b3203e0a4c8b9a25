#include "printing/printmenu.h"

#include "printing/layout.h"

namespace bw {

namespace {

void draw(IPrintSurface& surface, const Printout& printout)
{
    surface.beginDoc();
    for (std::size_t p = 0; p < printout.size(); ++p) {
        if (p > 0)
            surface.newPage();
        for (const auto& picture : printout[p].pictures)
            surface.stretchDraw(picture.rect, *picture.bitmap);
        for (const auto& text : printout[p].texts)
            surface.textOut(text.x, text.y, text.text);
    }
    surface.endDoc();
}

void printReport(MainState& st, ReportKind kind)
{
    const auto lines = reportLines(kind, st.RecordList, st.ui);
    auto surface = st.sys.printer->open();
    draw(*surface, placeReport(lines, surface->pageWidth(), surface->pageHeight()));
}

} // namespace

// The record as last stored, with the picture the window shows (which may be
// attached and not yet stored).
void printthisClick(MainState& st)
{
    const auto lines = sheetLines(st.RecordList.at(st.currentIndex), st.ui);
    const bool withPicture = !st.picturePath.empty();
    const Bitmap* bitmap = withPicture ? st.ui.beanimg->bitmap() : nullptr;
    auto surface = st.sys.printer->open();
    draw(*surface, placeSheet(lines, withPicture, bitmap, surface->pageWidth()));
}

void printallClick(MainState& st)
{
    printReport(st, ReportKind::All);
}
void printretiredClick(MainState& st)
{
    printReport(st, ReportKind::Retired);
}
void printcurrentClick(MainState& st)
{
    printReport(st, ReportKind::Current);
}
void printsoldClick(MainState& st)
{
    printReport(st, ReportKind::Sold);
}
void printunsoldClick(MainState& st)
{
    printReport(st, ReportKind::Unsold);
}

} // namespace bw
