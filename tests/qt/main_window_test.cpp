// The real main window: its controls, and every event reaching its handler.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "platform/error.h"
#include "tests/qt/input.h"
#include "tests/qt/window_fixture.h"

namespace bw::test {
namespace {

using MainWindow = WindowTest;

struct Placed {
    const char* name;
    int x, y, w, h;
};

TEST_F(MainWindow, EveryControlStandsAtItsPlaceWithItsSize)
{
    open();
    const Placed placed[] = {
        {"Image2", 0, 0, 607, 454},         {"nameedit", 316, 32, 275, 19},
        {"bdayedit", 316, 76, 70, 19},      {"rdayedit", 410, 76, 70, 19},
        {"styleedit", 506, 76, 85, 19},     {"mfglist", 316, 122, 147, 21},
        {"genlist", 466, 122, 127, 21},     {"memo", 316, 166, 275, 87},
        {"condlist1", 416, 300, 120, 21},   {"condlist2", 416, 324, 120, 21},
        {"condlist3", 416, 348, 120, 21},   {"buyedit", 92, 300, 53, 19},
        {"pdayedit", 212, 300, 70, 19},     {"valedit", 92, 324, 53, 19},
        {"selledit", 92, 348, 53, 19},      {"sdayedit", 212, 348, 70, 19},
        {"recordslide", 72, 398, 125, 17},  {"scroll1", 22, 30, 269, 221},
        {"hscroll", 22, 234, 249, 17},      {"vscroll", 272, 32, 19, 201},
        {"pmemo", 14, 212, 563, 77},        {"rlabel", 82, 418, 103, 13},
        {"Label17", 62, 258, 204, 36},      {"Label16", 374, 258, 141, 36},
        {"Label19", 9, 96, 226, 28},        {"treasurebutton", 22, 260, 32, 32},
        {"Image9", 518, 262, 32, 32},       {"addbutton", 212, 386, 32, 32},
        {"deletebutton", 252, 386, 32, 32}, {"savebutt", 314, 386, 32, 32},
        {"searchbutton", 452, 384, 32, 32}, {"printbutton", 498, 384, 32, 32},
        {"helpbutton", 540, 384, 32, 32},
    };
    for (const Placed& p : placed) {
        QWidget* w = control(p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), QRect(p.x, p.y, p.w, p.h)) << p.name;
    }
}

struct Captioned {
    const char* name;
    int x, y;
    const char* caption;
};

TEST_F(MainWindow, LabelsAreBoldAndTransparentAtTheirPlaces)
{
    open();
    const Captioned labels[] = {
        {"Label1", 318, 16, "Name:"},
        {"Label2", 318, 58, "Birthday:"},
        {"Label3", 410, 58, "Retire Date:"},
        {"Label4", 506, 58, "Style Number:"},
        {"Label12", 318, 104, "Manufacturer:"},
        {"Label15", 468, 104, "Generation:"},
        {"Label11", 318, 150, "Description / Notes:"},
        {"Label17", 62, 258, "Financial data:"},
        {"Label16", 374, 258, "Condition:"},
        {"Label8", 28, 304, "Purchase:"},
        {"Label13", 176, 304, "Date:"},
        {"Label9", 6, 328, "Market Value:"},
        {"Label10", 22, 350, "Sell Price:"},
        {"Label14", 176, 352, "Date:"},
        {"Label5", 360, 306, "General:"},
        {"Label6", 348, 328, "Hang Tag:"},
        {"Label7", 350, 352, "Tush Tag:"},
        {"Label23", 216, 418, "Add"},
        {"Label21", 250, 418, "Delete"},
        {"Label25", 316, 418, "Save"},
        {"Label22", 448, 418, "Search"},
        {"Label18", 502, 418, "Print"},
        {"Label20", 540, 418, "HELP!"},
        {"Label19", 9, 96, "No Picture! Waaahhh!"},
    };
    for (const Captioned& l : labels) {
        auto* label = control<QLabel>(l.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), QPoint(l.x, l.y)) << l.name;
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption)) << l.name;
        EXPECT_TRUE(label->font().bold()) << l.name;
        EXPECT_FALSE(label->autoFillBackground()) << l.name;
        // A label reaches no further than its caption needs.
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()) - 1) << l.name;
    }
}

TEST_F(MainWindow, FontsMapTheClassicFaces)
{
    open();
    EXPECT_EQ(window->font().pixelSize(), 11);
    EXPECT_EQ(control("nameedit")->font().pixelSize(), 11);
    EXPECT_FALSE(control("nameedit")->font().bold());
    for (auto [name, height] : {std::pair{"Label17", 32}, {"Label16", 32}, {"Label19", 24}}) {
        const QFont f = control(name)->font();
        EXPECT_EQ(f.family(), QStringLiteral("Liberation Serif")) << name;
        EXPECT_EQ(f.pixelSize(), height) << name;
        EXPECT_TRUE(f.bold() && f.italic()) << name;
    }
}

TEST_F(MainWindow, WindowIsFixedWithMinimiseButNoMaximise)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Bindlewick"));
    EXPECT_EQ(window->minimumSize(), QSize(607, 454));
    EXPECT_EQ(window->maximumSize(), QSize(607, 454));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(MainWindow, HintsAreTooltips)
{
    open();
    const std::pair<const char*, const char*> hints[] = {
        {"nameedit", "Type in a name to ADD or FIND a record."},
        {"bdayedit", "Enter Date as xx/xx/yyyy"},
        {"sdayedit", "Enter Date as xx/xx/yyyy"},
        {"mfglist", "Type in a new name and hit RETURN to add it to the list"},
        {"condlist3", "Type in a new name and hit RETURN to add it to the list"},
        {"scroll1", "Doubleclick to load up a picture"},
        {"Label19", "Doubleclick to load up a picture"},
        {"beanimg", "Right click to see me close up..."},
        {"treasurebutton", "Click to Show Financial Summaries (Ctrl+M)"},
        {"Image9", "Amazing Info! (Ctrl+I)"},
        {"styleedit", ""},
        {"buyedit", ""},
        {"addbutton", "Add (Ctrl+N)"},
        {"deletebutton", "Delete (Ctrl+D)"},
        {"savebutt", "Save (Ctrl+S)"},
        {"searchbutton", "Search (Ctrl+F)"},
        {"printbutton", "Print (Ctrl+P)"},
        {"helpbutton", "Help (F1)"},
    };
    for (auto [name, hint] : hints)
        EXPECT_EQ(control(name)->toolTip(), QString::fromLatin1(hint)) << name;
}

TEST_F(MainWindow, FieldsUseTheInfoColourAndTheMemoTheWindowColour)
{
    open();
    const QColor info(0xff, 0xff, 0xe1);
    for (const char* name :
         {"nameedit", "bdayedit", "styleedit", "mfglist", "condlist1", "buyedit", "sdayedit"})
        EXPECT_EQ(control(name)->palette().color(QPalette::Base), info) << name;
    EXPECT_EQ(control<QScrollArea>("scroll1")->viewport()->palette().color(QPalette::Window), info);
    EXPECT_EQ(control("memo")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_FALSE(control<QLineEdit>("nameedit")->hasFrame());
    EXPECT_FALSE(control<QComboBox>("mfglist")->hasFrame());
    EXPECT_TRUE(control<QComboBox>("condlist1")->hasFrame());
}

TEST_F(MainWindow, StartsInTheNoRecordsStateWithTheDesignTexts)
{
    open();
    EXPECT_EQ(control<QLabel>("rlabel")->text(), QStringLiteral("No Records."));
    EXPECT_EQ(control<QLineEdit>("bdayedit")->displayText(), QStringLiteral("03/12/1998"));
    EXPECT_EQ(control<QLineEdit>("buyedit")->text(), QStringLiteral("buyedit"));
    EXPECT_EQ(control<QLineEdit>("valedit")->text(), QStringLiteral("Edit1"));
    EXPECT_EQ(control<QLineEdit>("selledit")->text(), QStringLiteral("Edit1"));
    EXPECT_EQ(control<QComboBox>("mfglist")->currentText(), QStringLiteral("Ty"));
    EXPECT_EQ(control<QComboBox>("genlist")->count(), 6);
    auto* slide = control<QScrollBar>("recordslide");
    EXPECT_EQ(slide->minimum(), 0);
    EXPECT_EQ(slide->maximum(), 0);
    for (const char* hidden : {"hscroll", "vscroll", "pmemo"})
        EXPECT_TRUE(control(hidden)->isHidden()) << hidden;
    EXPECT_EQ(control<QPlainTextEdit>("pmemo")->toPlainText(), QStringLiteral("pmemo"));
    EXPECT_EQ(control<QPlainTextEdit>("pmemo")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(control<QPlainTextEdit>("memo")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(control<QLineEdit>("buyedit")->maxLength(), 7);
    EXPECT_EQ(windows.shown, std::vector<std::string>{"didyano:" + dir.path});
}

TEST_F(MainWindow, SliderSpansTheCollectionAtStart)
{
    writeRecords(12);
    open();
    auto* slide = control<QScrollBar>("recordslide");
    EXPECT_EQ(slide->maximum(), 11);
    EXPECT_EQ(slide->value(), 0);
    EXPECT_EQ(window->state().RecordList.count(), 12);
}

TEST_F(MainWindow, TabGoesThroughTheFieldsThenTheSlider)
{
    writeRecords(2);
    open();
    const char* order[] = {"nameedit", "bdayedit",  "rdayedit",  "styleedit",   "mfglist", "genlist",
                           "memo",     "condlist1", "condlist2", "condlist3",   "buyedit", "pdayedit",
                           "valedit",  "selledit",  "sdayedit",  "recordslide", "nameedit"};
    control(order[0])->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* from = window->focusWidget();
        ASSERT_NE(from, nullptr);
        keyTap(from, Qt::Key_Tab, QStringLiteral("\t"));
        ASSERT_EQ(window->focusWidget(), control(order[i])) << "after " << order[i - 1];
    }
}

// The centre of a control, in the window's client area.
QPoint centreOf(Tmain& w, const char* name)
{
    QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(name));
    return c->mapTo(&w, c->rect().center());
}

struct Wiring {
    const char* what;
    std::function<void(Tmain&)> act;
    std::vector<std::string> reached;
};

TEST_F(MainWindow, EveryEventReachesItsHandler)
{
    writeRecords(3);
    std::vector<std::string> calls;
    open(recorders(calls));
    auto at = [](const char* name, Gesture g, Qt::MouseButton b = Qt::LeftButton) {
        return [=](Tmain& w) { mouseAt(&w, centreOf(w, name), g, b); };
    };
    auto keyIn = [](const char* name, int code, const char* text) {
        return [=](Tmain& w) {
            QWidget* c = w.findChild<QWidget*>(QString::fromLatin1(name));
            c->setFocus();
            keyTap(c, code, QString::fromLatin1(text));
        };
    };
    auto item = [](const char* name) {
        return [=](Tmain& w) { w.findChild<QAction*>(QString::fromLatin1(name))->trigger(); };
    };
    // Inside the picture box: its empty part, the label, the (10 by 10) picture.
    auto inBox = [](QPoint p, Gesture g, Qt::MouseButton b = Qt::LeftButton) {
        return [=](Tmain& w) {
            auto* box = w.findChild<QScrollArea*>(QStringLiteral("scroll1"));
            mouseAt(&w, box->widget()->mapTo(&w, p), g, b);
        };
    };
    const Wiring table[] = {
        {"Return in the name box", keyIn("nameedit", Qt::Key_Return, "\r"), {"nameeditKeyUp 13"}},
        {"keypad Enter in the name box", keyIn("nameedit", Qt::Key_Enter, "\r"), {"nameeditKeyUp 13"}},
        {"a letter in the name box", keyIn("nameedit", Qt::Key_B, "b"), {"nameeditKeyUp 66"}},
        {"Return in mfglist", keyIn("mfglist", Qt::Key_Return, "\r"), {"mfglistKeyUp 13"}},
        {"Return in genlist", keyIn("genlist", Qt::Key_Return, "\r"), {"genlistKeyUp 13"}},
        {"Return in condlist1", keyIn("condlist1", Qt::Key_Return, "\r"), {"condlist1KeyUp 13"}},
        {"Return in condlist2", keyIn("condlist2", Qt::Key_Return, "\r"), {"condlist2KeyUp 13"}},
        {"Return in condlist3", keyIn("condlist3", Qt::Key_Return, "\r"), {"condlist3KeyUp 13"}},
        {"a letter in condlist3", keyIn("condlist3", Qt::Key_Q, "q"), {"condlist3KeyUp 81"}},
        {"Return in the style box", keyIn("styleedit", Qt::Key_Return, "\r"), {}},
        {"click on Add", at("addbutton", Gesture::Click), {"addbuttonClick"}},
        {"click on Save", at("savebutt", Gesture::Click), {"savebuttClick"}},
        {"click on Delete", at("deletebutton", Gesture::Click), {"deletebuttonClick"}},
        {"click on Search", at("searchbutton", Gesture::Click), {"searchbuttonClick"}},
        {"click on the chest", at("treasurebutton", Gesture::Click), {"treasurebuttonClick"}},
        {"click on the silhouette", at("Image9", Gesture::Click), {"Image9Click"}},
        {"click on HELP!", at("helpbutton", Gesture::Click), {"helpbuttonClick"}},
        {"right click on Add", at("addbutton", Gesture::Click, Qt::RightButton), {}},
        {"click on the Add caption", at("Label23", Gesture::Click), {}},
        {"double-click on the empty box", inBox({200, 40}, Gesture::DoubleClick), {"scroll1DblClick"}},
        {"double-click on the label", inBox({100, 110}, Gesture::DoubleClick), {"Label19DblClick"}},
        {"double-click on the picture",
         inBox({5, 5}, Gesture::DoubleClick),
         {"beanimgMouseDown Left", "beanimgDblClick", "beanimgMouseDown Left"}},
        {"right button on the picture",
         inBox({5, 5}, Gesture::Press, Qt::RightButton),
         {"beanimgMouseDown Right"}},
        {"middle button on the picture",
         inBox({5, 5}, Gesture::Press, Qt::MiddleButton),
         {"beanimgMouseDown Middle"}},
        {"typing in the notes", keyIn("memo", Qt::Key_X, "x"), {"memoChange"}},
        {"arrow key on the slider", keyIn("recordslide", Qt::Key_Right, ""), {"recordslideChange 1"}},
        {"Print Data and Picture", item("printthis"), {"printthisClick"}},
        {"Print All Beanies", item("printall"), {"printallClick"}},
        {"Print Retired Beanies", item("printretired"), {"printretiredClick"}},
        {"Print Current Beanies", item("printcurrent"), {"printcurrentClick"}},
        {"Print Sold Beanies", item("printsold"), {"printsoldClick"}},
        {"Print Unsold Beanies", item("printunsold"), {"printunsoldClick"}},
    };
    for (const Wiring& row : table) {
        calls.clear();
        row.act(*window);
        EXPECT_EQ(calls, row.reached) << row.what;
    }
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

TEST_F(MainWindow, AReleaseWithoutItsPressIsNotAKeyUp)
{
    // The Enter that closes the did-you-know window is released over the
    // main window.
    std::vector<std::string> calls;
    open(recorders(calls));
    calls.clear();
    key(control("nameedit"), QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"));
    key(control("mfglist"), QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(calls.empty());
}

TEST_F(MainWindow, PrintButtonOpensTheMenuCentredOnThePointer)
{
    open();
    auto* menu = control<QMenu>("printpop");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Print Data and Picture", "Print All Beanies", "Print Retired Beanies",
                                     "Print Current Beanies", "Print Sold Beanies", "Print Unsold Beanies",
                                     "", "Save Data and Picture as PDF...", "Save All Beanies as PDF...",
                                     "Save Retired Beanies as PDF...", "Save Current Beanies as PDF...",
                                     "Save Sold Beanies as PDF...", "Save Unsold Beanies as PDF...", "",
                                     "Export Collection as CSV..."}));
    EXPECT_FALSE(menu->isVisible());
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        QWidget* button = control("printbutton");
        const QPoint pointer(10, 20);
        press(button, pointer, b);
        ASSERT_TRUE(menu->isVisible());
        EXPECT_NEAR(menu->geometry().center().x(), button->mapToGlobal(pointer).x(), 2);
        menu->hide();
        release(button, pointer, b);
    }
}

TEST_F(MainWindow, SavingAndExportItemsAskForAFileAndWriteIt)
{
    writeRecords(2);
    open();
    const std::pair<const char*, const char*> items[] = {{"pdfthis", "Bean 1.pdf"},
                                                         {"pdfall", "All Beanies.pdf"},
                                                         {"pdfretired", "Retired Beanies.pdf"},
                                                         {"pdfcurrent", "Current Beanies.pdf"},
                                                         {"pdfsold", "Sold Beanies.pdf"},
                                                         {"pdfunsold", "Unsold Beanies.pdf"}};
    savefile.choice = file("out.pdf");
    for (const auto& [name, suggested] : items) {
        savefile.asked.clear();
        printer.pdfPaths.clear();
        control<QAction>(name)->trigger();
        ASSERT_EQ(savefile.asked.size(), 1u) << name;
        EXPECT_EQ(savefile.asked[0].suggested, suggested);
        EXPECT_EQ(printer.pdfPaths, std::vector<std::string>{file("out.pdf")}) << name;
        EXPECT_EQ(printer.last->ended, 1) << name;
    }
    savefile.choice = file("Beanies.csv");
    control<QAction>("exportcsv")->trigger();
    EXPECT_EQ(readFile(file("Beanies.csv")).substr(0, 12), "Name,Style,B");
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

TEST_F(MainWindow, ErrorOfAHandlerIsShownAndTheWindowGoesOn)
{
    MainHandlers h;
    h.addbuttonClick = [](MainState&) { throwCannotCreate(Path::fromNative("/nowhere/a3.pvd")); };
    open(std::move(h));
    mouseAt(window.get(), centreOf(*window, "addbutton"), Gesture::Click);
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, MsgKind::Error);
    EXPECT_EQ(asked[0].text, "Cannot create file /nowhere/a3.pvd");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindow, AnErrorInsideFormCreateLeavesAWorkingWindow)
{
    MainHandlers h;
    h.FormCreate = [](MainState& st, const Path& path) {
        st.appDir = appDirFromProgramPath(path);
        throwCannotOpen(st.appDir / "a1.pvd");
    };
    open(std::move(h));
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, MsgKind::Error);
    EXPECT_EQ(asked[0].text, "Cannot open file " + dir.path + "/a1.pvd");
    EXPECT_EQ(window->state().appDir.native(), dir.path);
}

// ------------------------------------------------------------ real handlers

TEST_F(MainWindow, EnterInAPickListAsksAndAddsTheEntry)
{
    open();
    auto* list = control<QComboBox>("mfglist");
    list->setFocus();
    list->lineEdit()->clear();
    typeText(list, QStringLiteral("Gund"));
    EXPECT_EQ(list->currentText(), QStringLiteral("Gund"));
    QtMessageBoxes::setNextAnswer(Answer::Yes);
    tapReturn(list);
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Would you like to add Gund to the list?");
    EXPECT_EQ(asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(list->count(), 8);
    EXPECT_EQ(list->currentIndex(), 7);
    EXPECT_EQ(readFile(file("a1.pvd")), "1|Gund\r\n");
}

TEST_F(MainWindow, EnterInAPickListAnsweredNoShowsTheSelectedEntryAgain)
{
    open();
    auto* list = control<QComboBox>("condlist3");
    list->setFocus();
    list->lineEdit()->clear();
    typeText(list, QStringLiteral("Mint"));
    QtMessageBoxes::setNextAnswer(Answer::No);
    tapReturn(list);
    ASSERT_EQ(QtMessageBoxes::takeAsked().size(), 1u);
    EXPECT_EQ(list->count(), 5);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->currentText(), QStringLiteral("Black/White"));
    EXPECT_FALSE(std::filesystem::exists(file("a1.pvd")));
}

// Qt's own Enter would select the matching entry behind the handler's back;
// the list must show what the record stores, whatever the text typed.
TEST_F(MainWindow, EnterOnAnExistingEntryIsADuplicateAndTheListShowsWhatIsStored)
{
    writeFile(file("a3.pvd"), "AbcDefGh|Bear|||||||||0|0|2|0|0|\r\n");
    open();
    auto* list = control<QComboBox>("condlist1");
    for (const char* typed : {"mint", "Mint", "Excellent"}) {
        list->setFocus();
        list->lineEdit()->clear();
        typeText(list, QString::fromLatin1(typed));
        tapReturn(list);
        const auto asked = QtMessageBoxes::takeAsked();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].text, "Duplication! There is already an entry of " + std::string(typed) + ".");
        EXPECT_EQ(list->count(), 6);
        EXPECT_EQ(list->currentIndex(), 2) << typed;
        EXPECT_EQ(list->currentText(), QStringLiteral("Near Mint")) << typed;
    }
    window->close();
    EXPECT_EQ(readFile(file("a3.pvd")), "AbcDefGh|Bear||||||0.00|0.00|0.00|0|0|2|0|0|\r\n");
}

TEST_F(MainWindow, AddOnAnEmptyCollectionMakesTheFirstRecord)
{
    open();
    mouseAt(window.get(), centreOf(*window, "addbutton"), Gesture::Click);
    EXPECT_EQ(window->state().RecordList.count(), 1);
    EXPECT_TRUE(std::filesystem::exists(file("a3.pvd")));
    EXPECT_TRUE(std::filesystem::exists(file("a4.pvd")));
}

TEST_F(MainWindow, SearchThatFindsNothingSaysSo)
{
    writeRecords(2);
    open();
    windows.searchAnswer = std::pair<std::string, int>("zzz", 1);
    mouseAt(window.get(), centreOf(*window, "searchbutton"), Gesture::Click);
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 1u) << asked.front().text;
    EXPECT_EQ(asked[0].kind, MsgKind::Information);
    EXPECT_EQ(asked[0].text, "Sorry, zzz wasn't found.");
    EXPECT_EQ(window->focusWidget(), control("recordslide"));
}

TEST_F(MainWindow, HelpOpensThePageBesideTheProgram)
{
    open();
    mouseAt(window.get(), centreOf(*window, "helpbutton"), Gesture::Click);
    EXPECT_EQ(desktop.opened, std::vector<std::string>{dir.path + "/docs/wickhelp.htm"});
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

TEST_F(MainWindow, ClosingWritesTheCollection)
{
    writeFile(file("a4.pvd"), "KeyAabcd|a note\r\n");
    open();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(std::filesystem::exists(file("a3.pvd")));
    EXPECT_EQ(readFile(file("a4.pvd")), "KeyAabcd|a note\r\n");
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

TEST_F(MainWindow, AFailedCloseAsksBeforeLosingTheCollection)
{
    int closes = 0;
    MainHandlers h;
    h.FormClose = [&closes](MainState&) {
        ++closes;
        throwCannotCreate(Path::fromNative("a3.pvd"));
    };
    open(std::move(h));

    QtMessageBoxes::setNextAnswer(Answer::No);
    EXPECT_FALSE(window->close());
    auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, MsgKind::Error);
    EXPECT_EQ(asked[0].text, "Cannot create file a3.pvd");
    EXPECT_EQ(asked[1].kind, MsgKind::Confirm);
    EXPECT_EQ(asked[1].text, "The collection could not be written. Close anyway?");
    EXPECT_EQ(asked[1].buttons, MsgButtons::YesNoDefaultNo);
    EXPECT_TRUE(window->isVisible());

    QtMessageBoxes::setNextAnswer(Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closes, 2);
}

// Closing over a3.pvd changed on disk by another program: the answers to
// "overwrite?" and then "close without saving?".
struct ChangedAtClose {
    const char* name;
    std::vector<Answer> answers;
    bool closes;
    bool overwritten;
};

class ClosingOverAChangedFile : public WindowTest, public ::testing::WithParamInterface<ChangedAtClose> {};

std::vector<std::string> folderListing(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_P(ClosingOverAChangedFile, AsksAndLeavesTheFileAsAnswered)
{
    const ChangedAtClose& c = GetParam();
    writeRecords(2);
    writeFile(file("a4.pvd"), "KeyAabcd|a note\r\n");
    open();
    const std::string external = recordLine("KeyZzzzz", "Restored from a backup") + "\r\n";
    writeFile(file("a3.pvd"), external);
    const auto before = folderListing(dir.path);

    for (Answer a : c.answers)
        QtMessageBoxes::setNextAnswer(a);
    EXPECT_EQ(window->close(), c.closes);
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), c.answers.size());
    EXPECT_EQ(asked[0].kind, MsgKind::Confirm);
    EXPECT_NE(asked[0].text.find("Overwrite it?"), std::string::npos);
    EXPECT_EQ(asked[0].buttons, MsgButtons::YesNoDefaultNo);
    if (asked.size() > 1) {
        EXPECT_EQ(asked[1].kind, MsgKind::Confirm);
        EXPECT_EQ(asked[1].text, "Close without saving? What was changed since the last save is lost.");
        EXPECT_EQ(asked[1].buttons, MsgButtons::YesNoDefaultNo);
    }
    EXPECT_EQ(window->isVisible(), !c.closes);
    if (c.overwritten) {
        EXPECT_NE(readFile(file("a3.pvd")).find("Bean 2"), std::string::npos);
        return;
    }
    EXPECT_EQ(readFile(file("a3.pvd")), external);
    EXPECT_EQ(readFile(file("a4.pvd")), "KeyAabcd|a note\r\n");
    if (c.closes) {
        EXPECT_EQ(folderListing(dir.path), before);
        return;
    }
    // Kept open, the same question comes again and Yes writes.
    QtMessageBoxes::setNextAnswer(Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(QtMessageBoxes::takeAsked().size(), 1u);
    EXPECT_NE(readFile(file("a3.pvd")).find("Bean 2"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosingOverAChangedFile,
                         ::testing::Values(ChangedAtClose{"Overwrite", {Answer::Yes}, true, true},
                                           ChangedAtClose{"KeepOpen", {Answer::No, Answer::No}, false, false},
                                           ChangedAtClose{
                                               "CloseWithoutSaving", {Answer::No, Answer::Yes}, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ the slider

// Where the thumb of a scroll bar is drawn.
QRect thumbOf(QScrollBar* bar)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    if (bar->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
}

TEST_F(MainWindow, DraggingTheThumbVisitsEveryRecordOnTheWay)
{
    writeRecords(6);
    std::vector<std::string> calls;
    open(recorders(calls));
    calls.clear();
    auto* bar = control<QScrollBar>("recordslide");
    const QPoint grab = thumbOf(bar).center();
    press(bar, grab);
    mouseMove(bar, QPoint(bar->width() - 1, grab.y()), Qt::LeftButton);
    release(bar, QPoint(bar->width() - 1, grab.y()));
    EXPECT_EQ(calls,
              (std::vector<std::string>{"recordslideChange 1", "recordslideChange 2", "recordslideChange 3",
                                        "recordslideChange 4", "recordslideChange 5"}));
    EXPECT_EQ(bar->value(), 5);

    calls.clear();
    const QPoint back = thumbOf(bar).center();
    press(bar, back);
    mouseMove(bar, QPoint(0, back.y()), Qt::LeftButton);
    release(bar, QPoint(0, back.y()));
    EXPECT_EQ(calls.front(), "recordslideChange 4");
    EXPECT_EQ(calls.back(), "recordslideChange 0");
    EXPECT_EQ(calls.size(), 5u);
}

TEST_F(MainWindow, AClickOnTheTrackMovesOneRecord)
{
    writeRecords(6);
    std::vector<std::string> calls;
    open(recorders(calls));
    calls.clear();
    auto* bar = control<QScrollBar>("recordslide");
    const QRect thumb = thumbOf(bar);
    click(bar, QPoint((thumb.right() + bar->width()) / 2 - 10, thumb.center().y()));
    EXPECT_EQ(calls, std::vector<std::string>{"recordslideChange 1"});
}

} // namespace
} // namespace bw::test
