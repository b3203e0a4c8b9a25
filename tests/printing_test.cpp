#include <gtest/gtest.h>

#include "editing/picklists.h"
#include "printing/layout.h"
#include "printing/printmenu.h"
#include "tests/harness.h"
#include "tests/sheet_fixture.h"

namespace bw {
namespace {

using Handler = void (*)(MainState&);

struct Rec {
    std::string name = "Bongo", style = "4040";
    std::string birthday, retired, purchaseDate, sellDate;
    std::string purchasePrice, sellPrice, marketValue;
    std::string manufacturer = "0", generation = "0", general = "0", hangTag = "0", tushTag = "0";
    std::string picture;
};

std::string line(const Rec& r)
{
    return "KeyAbcDe|" + r.name + "|" + r.style + "|" + r.birthday + "|" + r.retired + "|" + r.purchaseDate +
           "|" + r.sellDate + "|" + r.purchasePrice + "|" + r.sellPrice + "|" + r.marketValue + "|" +
           r.manufacturer + "|" + r.generation + "|" + r.general + "|" + r.hangTag + "|" + r.tushTag + "|" +
           r.picture + "|";
}

// Every field filled, each pick list on a different entry.
Rec fullRecord()
{
    Rec r;
    r.birthday = "08021995";
    r.retired = "01011999";
    r.purchaseDate = "03121998";
    r.sellDate = "12311999";
    r.purchasePrice = "5.00";
    r.sellPrice = "12.50";
    r.marketValue = "20.00";
    r.manufacturer = "5";
    r.generation = "1";
    r.general = "2";
    r.hangTag = "3";
    r.tushTag = "1";
    r.picture = "C:\\pics\\bongo.jpg";
    return r;
}

const std::vector<std::string> fullRecordTexts(test::bongoSheetLines.begin(), test::bongoSheetLines.end());

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fillBuiltInEntries(h.st);
        h.mfglist.addItem("Ty Japan"); // a user's entry, position 7
    }

    void add(const Rec& r) { h.st.RecordList.add(line(r)); }
    void print(Handler handler)
    {
        h.run([&] { handler(h.st); });
    }

    int jobsBegun() const { return h.printer.last ? h.printer.last->begun : 0; }
    const test::RecordingSurface& out() const
    {
        EXPECT_NE(h.printer.last, nullptr);
        return *h.printer.last;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const auto& p : out().texts)
            t.push_back(p.text);
        return t;
    }
    // y of the first text starting with `prefix`; -1 when none was printed.
    int yOf(const std::string& prefix) const
    {
        for (const auto& p : out().texts)
            if (p.text.rfind(prefix, 0) == 0)
                return p.y;
        return -1;
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> n;
        for (const auto& t : texts())
            if (t.rfind("Name: ", 0) == 0)
                n.push_back(t.substr(6));
        return n;
    }

    test::Harness h;
};

TEST(PrintLayout, SlashedDate)
{
    const std::pair<const char*, const char*> cases[] = {{"03121998", "03/12/1998"},
                                                         {"1231", "12/31/"},
                                                         {"0312199877", "03/12/1998"},
                                                         {"12", "12/"},
                                                         {"1", "1"},
                                                         {"123", "12/3"},
                                                         {"12311", "12/31/1"},
                                                         {"", ""}};
    for (const auto& [stored, printed] : cases)
        EXPECT_EQ(slashedDate(stored), printed) << stored;
}

// ---- the record sheet ----

TEST_F(PrintTest, SheetWritesEveryLineAtItsPlace)
{
    add(fullRecord());
    print(printthisClick);
    ASSERT_TRUE(h.boxes.shown.empty()) << h.boxes.texts()[0];
    const auto& s = out();
    EXPECT_EQ(s.begun, 1);
    EXPECT_EQ(s.ended, 1);
    EXPECT_EQ(s.pages, 1);
    EXPECT_TRUE(s.pictures.empty());
    const int ys[] = {200, 300, 400, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700};
    ASSERT_EQ(s.texts.size(), fullRecordTexts.size());
    for (std::size_t i = 0; i < s.texts.size(); ++i) {
        EXPECT_EQ(s.texts[i].text, fullRecordTexts[i]);
        EXPECT_EQ(s.texts[i].x, 300) << i;
        EXPECT_EQ(s.texts[i].y, ys[i]) << s.texts[i].text;
        EXPECT_EQ(s.texts[i].page, 0);
    }
}

struct DateCase {
    const char *birthday, *retired, *purchaseDate, *sellDate;
    int lines, style, retiredY, manufacturer, market;
};

TEST_F(PrintTest, SheetLeavesOutEmptyDatesWithoutAGap)
{
    const DateCase cases[] = {
        {"", "", "", "", 11, 300, -1, 400, 1200},
        {"", "01011999", "", "", 12, 300, 500, 600, 1400},
        {"08021995", "", "", "", 12, 300, -1, 500, 1300},
        {"", "", "03121998", "12311999", 13, 300, -1, 400, 1400},
        {"08021995", "01011999", "03121998", "12311999", 15, 300, 600, 700, 1700},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.birthday) + "/" + c.retired + "/" + c.purchaseDate + "/" + c.sellDate);
        test::Harness fresh;
        fillBuiltInEntries(fresh.st);
        Rec r;
        r.birthday = c.birthday;
        r.retired = c.retired;
        r.purchaseDate = c.purchaseDate;
        r.sellDate = c.sellDate;
        fresh.st.RecordList.add(line(r));
        fresh.run([&] { printthisClick(fresh.st); });
        const auto& s = *fresh.printer.last;
        EXPECT_EQ(static_cast<int>(s.texts.size()), c.lines);
        const auto y = [&](const std::string& prefix) {
            for (const auto& p : s.texts)
                if (p.text.rfind(prefix, 0) == 0)
                    return p.y;
            return -1;
        };
        EXPECT_EQ(y("Name: "), 200);
        EXPECT_EQ(y("Style: "), c.style);
        EXPECT_EQ(y("Retired: "), c.retiredY);
        EXPECT_EQ(y("Manufacturer: "), c.manufacturer);
        EXPECT_EQ(y("Market Value: "), c.market);
    }
}

struct PictureCase {
    int pageWidth, w, h;
    Rect rect;
    int nameY;
};

TEST_F(PrintTest, SheetPictureIsTripledAndCentredAtTheTop)
{
    const PictureCase cases[] = {
        {2400, 200, 150, {900, 0, 600, 450}, 550},
        {2000, 75, 51, {888, 0, 225, 153}, 253},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pageWidth);
        test::Harness fresh;
        fillBuiltInEntries(fresh.st);
        fresh.printer.width = c.pageWidth;
        // Attached and not stored yet: the record's picture field is still empty.
        fresh.st.RecordList.add(line(Rec{}));
        fresh.st.picturePath = Path::fromNative("/pics/bongo.jpg");
        fresh.beanimg.setBitmap(std::make_unique<test::FakeBitmap>(c.w, c.h));
        fresh.run([&] { printthisClick(fresh.st); });
        const auto& s = *fresh.printer.last;
        ASSERT_EQ(s.pictures.size(), 1u);
        EXPECT_EQ(s.pictures[0], c.rect);
        EXPECT_EQ(s.pictureSizes[0], std::make_pair(c.w, c.h));
        ASSERT_FALSE(s.texts.empty());
        EXPECT_EQ(s.texts[0].text, "Name: Bongo");
        EXPECT_EQ(s.texts[0].y, c.nameY);
        EXPECT_EQ(s.texts[0].x, c.pageWidth / 8);
        EXPECT_EQ(s.texts.back().y, 3 * c.h + 1100); // Market Value, no dates
        EXPECT_EQ(s.pages, 1);
    }
}

struct FitCase {
    const char* paper;
    int pageWidth, pageHeight;
};

TEST_F(PrintTest, SheetShrinksALargePictureToLeaveEveryLineOnThePage)
{
    // Letter and A4 whole, and as a printer's printable areas.
    const FitCase cases[] = {{"Letter", 2550, 3300},
                             {"A4", 2480, 3508},
                             {"Letter printable", 2400, 3200},
                             {"A4 printable", 2380, 3408}};
    for (const auto& c : cases) {
        for (const auto& [w, hgt] : {std::pair(4000, 3000), std::pair(3000, 4000), std::pair(1000, 300)}) {
            SCOPED_TRACE(std::string(c.paper) + " " + std::to_string(w) + "x" + std::to_string(hgt));
            test::Harness fresh;
            fillBuiltInEntries(fresh.st);
            fresh.printer.width = c.pageWidth;
            fresh.printer.height = c.pageHeight;
            fresh.st.RecordList.add(line(fullRecord()));
            fresh.st.picturePath = Path::fromNative("/pics/phone.jpg");
            fresh.beanimg.setBitmap(std::make_unique<test::FakeBitmap>(w, hgt));
            fresh.run([&] { printthisClick(fresh.st); });
            const auto& s = *fresh.printer.last;
            ASSERT_EQ(s.pictures.size(), 1u);
            const Rect& r = s.pictures[0];
            EXPECT_GE(r.left, 0);
            EXPECT_LE(r.left + r.width, c.pageWidth);
            EXPECT_EQ(r.top, 0);
            // Its proportions, to a unit, and no bigger than three times.
            EXPECT_NEAR(static_cast<double>(r.width) / r.height, static_cast<double>(w) / hgt,
                        1.0 / r.height + 1e-9);
            EXPECT_LE(r.width, 3 * w);
            EXPECT_NEAR(r.left + r.width / 2.0, c.pageWidth / 2.0, 1.0);
            ASSERT_EQ(s.texts.size(), 15u);
            EXPECT_EQ(s.texts[0].y, r.height + 100);
            EXPECT_EQ(s.texts.back().y, r.height + 1600);
            EXPECT_LE(s.texts.back().y + TextHeight, c.pageHeight);
            // As large as the page allows: one side or the other is at its limit.
            EXPECT_TRUE(r.width >= c.pageWidth - 1 || s.texts.back().y + TextHeight == c.pageHeight);
            EXPECT_EQ(s.pages, 1);
        }
    }
}

TEST_F(PrintTest, SheetWithAnUnreadablePictureDrawsNothingAndStartsAtTheTop)
{
    add(Rec{});
    h.st.picturePath = Path::fromNative("/pics/missing.jpg");
    for (bool emptyBitmap : {false, true}) {
        SCOPED_TRACE(emptyBitmap ? "empty bitmap" : "no bitmap");
        h.beanimg.setBitmap(emptyBitmap ? std::make_unique<test::FakeBitmap>(0, 0) : nullptr);
        print(printthisClick);
        EXPECT_TRUE(out().pictures.empty());
        EXPECT_EQ(yOf("Name: "), 100);
        EXPECT_EQ(out().ended, 1);
    }
}

TEST_F(PrintTest, SheetIgnoresABitmapWhenThereIsNoPicturePath)
{
    add(Rec{});
    h.beanimg.setBitmap(std::make_unique<test::FakeBitmap>(200, 150));
    print(printthisClick);
    EXPECT_TRUE(out().pictures.empty());
    EXPECT_EQ(yOf("Name: "), 200);
}

TEST_F(PrintTest, SheetPrintsTheStoredRecordNotTheWindow)
{
    add(Rec{});
    Rec second;
    second.name = "Stored";
    add(second);
    h.st.currentIndex = 1;
    h.nameedit.value = "Edited, not stored";
    print(printthisClick);
    EXPECT_EQ(names(), std::vector<std::string>{"Stored"});
}

struct PickCase {
    std::string Rec::*field;
    const char* stored;
    const char* printed;
};

TEST_F(PrintTest, PickListPositionsPrintTheirEntry)
{
    const PickCase cases[] = {
        {&Rec::manufacturer, "-1", "Manufacturer: "},
        {&Rec::manufacturer, "7", "Manufacturer: Ty Japan"},
        {&Rec::manufacturer, "8", "Manufacturer: "},
        {&Rec::generation, "5", "Generation: N/A"},
        {&Rec::generation, "6", "Generation: "},
        {&Rec::general, "0", "General Condition: Mint in Package"},
        {&Rec::hangTag, "-1", "Hang Tag Condition: "},
        {&Rec::tushTag, "4", "Tush Tag Condition: N/A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        Rec r;
        r.*c.field = c.stored;
        h.st.RecordList.clear();
        add(r);
        print(printthisClick);
        const auto t = texts();
        EXPECT_NE(std::find(t.begin(), t.end(), c.printed), t.end());
    }
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST_F(PrintTest, SheetKeepsALongLineWhole)
{
    Rec r;
    r.name = std::string(300, 'n');
    add(r);
    print(printthisClick);
    EXPECT_EQ(texts()[0], "Name: " + r.name);
}

// ---- failures: nothing is begun ----

TEST_F(PrintTest, NoRecordBeginsNoJob)
{
    print(printthisClick);
    EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"List index out of bounds (0)"});
    EXPECT_EQ(jobsBegun(), 0);
}

TEST_F(PrintTest, PickListFieldThatIsNotAWholeNumberBeginsNoJob)
{
    add(Rec{});
    Rec bad;
    bad.tushTag = "x";
    add(bad);
    h.st.currentIndex = 1;
    for (Handler handler : {printthisClick, printallClick}) {
        h.boxes.shown.clear();
        print(handler);
        EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"'x' is not a valid integer value"});
        EXPECT_EQ(jobsBegun(), 0);
    }
}

TEST_F(PrintTest, NoDefaultPrinterShowsItsErrorAndNothingElse)
{
    add(fullRecord());
    h.printer.available = false;
    for (Handler handler : {printthisClick, printallClick, printretiredClick, printcurrentClick,
                            printsoldClick, printunsoldClick}) {
        h.boxes.shown.clear();
        print(handler);
        EXPECT_EQ(h.boxes.texts(),
                  std::vector<std::string>{"There is no default printer currently selected"});
    }
    EXPECT_EQ(h.printer.last, nullptr);
}

// ---- the reports ----

struct FilterCase {
    const char* report;
    Handler handler;
    std::vector<std::string> listed;
};

TEST_F(PrintTest, ReportsListTheRecordsThatPassTheirTest)
{
    const auto rec = [](const char* name, const char* retired, const char* sell) {
        Rec r;
        r.name = name;
        r.retired = retired;
        r.sellPrice = sell;
        return r;
    };
    add(rec("Alpha", "", ""));             // added, never stored: empty sell price
    add(rec("Bravo", "01011999", "0.00")); // retired and unsold
    add(rec("Charlie", "", "12.50"));
    add(rec("Delta", "06301998", "5.00"));
    add(rec("Echo", "", "0"));
    const FilterCase cases[] = {
        {"all", printallClick, {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}},
        {"retired", printretiredClick, {"Bravo", "Delta"}},
        {"current", printcurrentClick, {"Alpha", "Charlie", "Echo"}},
        {"sold", printsoldClick, {"Charlie", "Delta"}},
        {"unsold", printunsoldClick, {"Alpha", "Bravo", "Echo"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        print(c.handler);
        EXPECT_TRUE(h.boxes.shown.empty());
        EXPECT_EQ(names(), c.listed);
        EXPECT_EQ(out().begun, 1);
        EXPECT_EQ(out().ended, 1);
    }
}

TEST_F(PrintTest, SellPriceThatIsNotANumberStopsOnlyTheSoldAndUnsoldReports)
{
    add(Rec{});
    Rec bad;
    bad.name = "Odd";
    bad.sellPrice = "abc";
    add(bad);
    const std::pair<Handler, bool> cases[] = {{printallClick, false},
                                              {printretiredClick, false},
                                              {printcurrentClick, false},
                                              {printsoldClick, true},
                                              {printunsoldClick, true}};
    for (const auto& [handler, fails] : cases) {
        h.boxes.shown.clear();
        h.printer.last = nullptr;
        print(handler);
        if (fails) {
            EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"'abc' is not a valid floating point value"});
            EXPECT_EQ(jobsBegun(), 0);
        } else {
            EXPECT_TRUE(h.boxes.shown.empty());
            const auto t = texts();
            EXPECT_EQ(std::count(t.begin(), t.end(), "Selling Price: abc"),
                      handler == printretiredClick ? 0 : 1);
        }
    }
}

TEST_F(PrintTest, ReportBlocksFollowOneAnother)
{
    add(fullRecord());
    Rec bare;
    bare.name = "Bare";
    bare.purchasePrice = "1.00";
    add(bare);
    print(printallClick);

    std::vector<std::string> expected = fullRecordTexts;
    expected.insert(expected.end(), {" ", " "});
    expected.insert(expected.end(),
                    {"Name: Bare", "Style: 4040", "Manufacturer: Ty", "Generation: 1 (doesn't open)",
                     "General Condition: Mint in Package", "Hang Tag Condition: Mint in Protector",
                     "Tush Tag Condition: Black/White", "FINANCIAL DATA:", "Purchase Price: 1.00",
                     "Selling Price: ", "Market Value: ", " ", " "});
    EXPECT_EQ(texts(), expected);
    const auto& s = out();
    for (std::size_t i = 0; i < s.texts.size(); ++i) {
        EXPECT_EQ(s.texts[i].x, 300);
        EXPECT_EQ(s.texts[i].y, 100 + 75 * static_cast<int>(i)) << s.texts[i].text;
        EXPECT_EQ(s.texts[i].page, 0);
    }
    EXPECT_TRUE(s.pictures.empty()); // the picture path is not printed either
}

TEST_F(PrintTest, ReportFillsPagesWithWholeLines)
{
    // 52 lines; blocks are split wherever a page ends. A line is 50 high: the
    // 44th, at 3325, fits only on a page at least 3375 high.
    for (int i = 0; i < 4; ++i)
        add(Rec{});
    const std::pair<int, int> cases[] = {{3300, 43}, {3326, 43}, {3374, 43}, {3375, 44}, {400, 4}, {374, 3}};
    for (const auto& [height, perPage] : cases) {
        SCOPED_TRACE(height);
        h.printer.height = height;
        print(printallClick);
        const auto& s = out();
        ASSERT_EQ(s.texts.size(), 52u);
        for (int i = 0; i < 52; ++i) {
            EXPECT_EQ(s.texts[i].page, i / perPage) << i;
            EXPECT_EQ(s.texts[i].y, 100 + 75 * (i % perPage)) << i;
            EXPECT_LE(s.texts[i].y + TextHeight, height) << i;
        }
        EXPECT_EQ(s.pages, (52 + perPage - 1) / perPage);
        EXPECT_EQ(s.ended, 1);
    }
}

TEST_F(PrintTest, ReportNeverEndsWithAnEmptyPage)
{
    Rec threeDates = fullRecord();
    threeDates.sellDate.clear();
    // 13 + 13 + 17 = 43 lines fill a 3300-high page exactly; 13 + 13 + 16 = 42
    // leave room.
    for (const Rec& last : {fullRecord(), threeDates}) {
        h.st.RecordList.clear();
        add(Rec{});
        add(Rec{});
        add(last);
        print(printallClick);
        const auto& s = out();
        EXPECT_EQ(s.pages, 1);
        EXPECT_EQ(s.texts.back().y, 100 + 75 * (static_cast<int>(s.texts.size()) - 1));
        EXPECT_EQ(s.ended, 1);
    }
}

TEST_F(PrintTest, ReportOnAPageTooShortForALinePutsOneLineOnEachPage)
{
    add(Rec{});
    h.printer.height = 120;
    print(printallClick);
    const auto& s = out();
    EXPECT_EQ(s.pages, 13); // a record without dates: 11 lines and 2 blank
    EXPECT_EQ(s.texts.back().page, 12);
}

TEST_F(PrintTest, ReportWithNothingToListStillPrintsAnEmptyJob)
{
    for (bool anyRecord : {false, true}) {
        if (anyRecord)
            add(Rec{}); // current, so the retired report lists nothing
        print(anyRecord ? printretiredClick : printallClick);
        ASSERT_TRUE(h.boxes.shown.empty());
        const auto& s = out();
        EXPECT_EQ(s.begun, 1);
        EXPECT_EQ(s.ended, 1);
        EXPECT_EQ(s.pages, 1);
        EXPECT_TRUE(s.texts.empty());
    }
}

// ---- saved as PDF ----

struct PdfCase {
    Handler handler;
    const char* title;
    const char* suggested;
};

TEST_F(PrintTest, SavingAsPdfAsksForAFileAndWritesWhatWouldBePrinted)
{
    Rec r = fullRecord();
    r.name = "Caf\xe9/Bear";
    add(r);
    const PdfCase cases[] = {
        {pdfthisClick, "Save Data and Picture as PDF", "Caf\xc3\xa9-Bear.pdf"},
        {pdfallClick, "Save All Beanies as PDF", "All Beanies.pdf"},
        {pdfretiredClick, "Save Retired Beanies as PDF", "Retired Beanies.pdf"},
        {pdfcurrentClick, "Save Current Beanies as PDF", "Current Beanies.pdf"},
        {pdfsoldClick, "Save Sold Beanies as PDF", "Sold Beanies.pdf"},
        {pdfunsoldClick, "Save Unsold Beanies as PDF", "Unsold Beanies.pdf"},
    };
    const Handler printed[] = {printthisClick,    printallClick,  printretiredClick,
                               printcurrentClick, printsoldClick, printunsoldClick};
    h.printer.available = false; // no printer needed
    h.savefile.choice = "/docs/out.pdf";
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.title);
        h.savefile.asked.clear();
        h.printer.pdfPaths.clear();
        print(c.handler);
        ASSERT_TRUE(h.boxes.shown.empty()) << h.boxes.texts()[0];
        ASSERT_EQ(h.savefile.asked.size(), 1u);
        EXPECT_EQ(h.savefile.asked[0].title, c.title);
        EXPECT_EQ(h.savefile.asked[0].suggested, c.suggested);
        EXPECT_EQ(h.savefile.asked[0].filter, "PDF Document (*.pdf)");
        EXPECT_EQ(h.printer.pdfPaths, std::vector<std::string>{"/docs/out.pdf"});
        const auto saved = texts();
        EXPECT_EQ(out().ended, 1);
        // The same pages as the printout.
        test::Harness other;
        fillBuiltInEntries(other.st);
        other.mfglist.addItem("Ty Japan");
        other.st.RecordList = h.st.RecordList;
        other.run([&] { printed[i](other.st); });
        EXPECT_EQ(saved.size(), other.printer.last->texts.size());
        for (std::size_t t = 0; t < saved.size() && t < other.printer.last->texts.size(); ++t) {
            EXPECT_EQ(saved[t], other.printer.last->texts[t].text);
            EXPECT_EQ(out().texts[t].y, other.printer.last->texts[t].y);
        }
    }
}

TEST_F(PrintTest, SavingAsPdfCancelledInTheDialogWritesNothing)
{
    add(fullRecord());
    for (Handler handler : {pdfthisClick, pdfallClick}) {
        print(handler);
        EXPECT_TRUE(h.boxes.shown.empty());
        EXPECT_TRUE(h.printer.pdfPaths.empty());
        EXPECT_EQ(h.printer.last, nullptr);
    }
}

TEST_F(PrintTest, SavingAsPdfWithABadFieldAsksNothing)
{
    Rec bad;
    bad.sellPrice = "abc";
    add(bad);
    h.savefile.choice = "/docs/out.pdf";
    print(pdfsoldClick);
    EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"'abc' is not a valid floating point value"});
    EXPECT_TRUE(h.savefile.asked.empty());
}

TEST_F(PrintTest, CancellingALongSaveLeavesTheFileUnfinished)
{
    for (int i = 0; i < 20; ++i)
        add(fullRecord()); // 340 lines: 8 pages
    h.savefile.choice = "/docs/out.pdf";
    h.progress.cancelAt = 3;
    print(pdfallClick);
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.progress.totals, std::vector<long>{8});
    EXPECT_EQ(out().pages, 3);
    EXPECT_EQ(out().ended, 0); // dropped unfinished: the file is never put in place

    h.progress.cancelAt = -1;
    print(pdfallClick);
    EXPECT_EQ(out().pages, 8);
    EXPECT_EQ(out().ended, 1);
}

} // namespace
} // namespace bw
