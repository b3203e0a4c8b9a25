#include "printing/printmenu.h"

#include "platform/ansi.h"
#include "printing/layout.h"

namespace bw {

namespace {

// When the user cancels, the surface is dropped unfinished.
void draw(IPrintSurface& surface, const Printout& printout, IProgress* progress = nullptr)
{
    surface.beginDoc();
    for (std::size_t p = 0; p < printout.size(); ++p) {
        if (progress && !progress->step(static_cast<long>(p)))
            return;
        if (p > 0)
            surface.newPage();
        for (const auto& picture : printout[p].pictures)
            surface.stretchDraw(picture.rect, *picture.bitmap);
        for (const auto& text : printout[p].texts)
            surface.textOut(text.x, text.y, text.text);
    }
    surface.endDoc();
}

struct Sheet {
    std::vector<SheetLine> lines;
    bool withPicture;
    const Bitmap* bitmap;
};

// The record as last stored, with the picture the window shows (which may be
// attached and not yet stored).
Sheet composeSheet(const MainState& st)
{
    Sheet sheet{sheetLines(st.RecordList.at(st.currentIndex), st.ui), !st.picturePath.empty(), nullptr};
    if (sheet.withPicture)
        sheet.bitmap = st.ui.beanimg->bitmap();
    return sheet;
}

Printout place(const Sheet& sheet, const IPrintSurface& surface)
{
    return placeSheet(sheet.lines, sheet.withPicture, sheet.bitmap, surface.pageWidth(),
                      surface.pageHeight());
}

Printout place(const std::vector<std::string>& lines, const IPrintSurface& surface)
{
    return placeReport(lines, surface.pageWidth(), surface.pageHeight());
}

template <class Content> void printOut(MainState& st, const Content& content)
{
    auto surface = st.sys.printer->open();
    draw(*surface, place(content, *surface));
}

// A file name cannot hold "/"; the rest of a record's name may stay.
std::string fileNameOf(const std::string& ansiName, const char* fallback)
{
    std::string name = ansiToUtf8(ansiName);
    for (char& c : name)
        if (c == '/')
            c = '-';
    if (name.empty() || name == "." || name == "..")
        name = fallback;
    return name + ".pdf";
}

template <class Content>
void saveAsPdf(MainState& st, const Content& content, const std::string& title, const std::string& suggested)
{
    const auto path = st.sys.savefile->execute(title, suggested, "PDF Document (*.pdf)");
    if (!path)
        return;
    auto surface = st.sys.printer->openPdf(*path);
    const Printout printout = place(content, *surface);
    std::unique_ptr<IProgress> progress;
    if (st.sys.progress)
        progress = st.sys.progress->begin("Saving " + suggested + "...", static_cast<long>(printout.size()));
    draw(*surface, printout, progress.get());
}

// In the order of ReportKind.
constexpr const char* reportTitles[] = {"All Beanies", "Retired Beanies", "Current Beanies", "Sold Beanies",
                                        "Unsold Beanies"};

void printReport(MainState& st, ReportKind kind)
{
    printOut(st, reportLines(kind, st.RecordList, st.ui));
}

void saveReport(MainState& st, ReportKind kind)
{
    const std::string title = reportTitles[static_cast<int>(kind)];
    const auto lines = reportLines(kind, st.RecordList, st.ui);
    saveAsPdf(st, lines, "Save " + title + " as PDF", title + ".pdf");
}

} // namespace

void printthisClick(MainState& st)
{
    printOut(st, composeSheet(st));
}

void pdfthisClick(MainState& st)
{
    const Sheet sheet = composeSheet(st);
    const std::string name = splitField(st.RecordList.at(st.currentIndex), FName);
    saveAsPdf(st, sheet, "Save Data and Picture as PDF", fileNameOf(name, "Data and Picture"));
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

void pdfallClick(MainState& st)
{
    saveReport(st, ReportKind::All);
}
void pdfretiredClick(MainState& st)
{
    saveReport(st, ReportKind::Retired);
}
void pdfcurrentClick(MainState& st)
{
    saveReport(st, ReportKind::Current);
}
void pdfsoldClick(MainState& st)
{
    saveReport(st, ReportKind::Sold);
}
void pdfunsoldClick(MainState& st)
{
    saveReport(st, ReportKind::Unsold);
}

} // namespace bw
