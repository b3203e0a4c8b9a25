// The adapters between the logic's controls and real widgets.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/bitmap_qt.h"
#include "platform/controls_qt.h"
#include "platform/error.h"
#include "platform/messageboxes_qt.h"
#include "tests/qt/input.h"

namespace bw::test {
namespace {

class Scripted : public ::testing::Test {
protected:
    void SetUp() override { QtMessageBoxes::setScripted(true); }
    void TearDown() override { QtMessageBoxes::setScripted(false); }
    QtMessageBoxes boxes;
};

// The program idles for a while, timers and all.
void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A modal box, as a warning or an error is, that the user closes after a while.
void modalBoxFor(int ms, QWidget* parent)
{
    QDialog box(parent);
    QTimer::singleShot(ms, &box, &QDialog::accept);
    box.exec();
}

// Shows the window and waits until it has the keyboard.
bool shownActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (!window.isActiveWindow() && clock.elapsed() < 2000)
        idle(10);
    return window.isActiveWindow();
}

// ---------------------------------------------------------------- edits

TEST(FieldEdit, RefusesTheBarAndCharactersWindows1252CannotHold)
{
    QLineEdit widget;
    refuseFieldChars(&widget);
    QtEdit edit(&widget);
    typeText(&widget, QString::fromUtf8("a|b\u03A9c\u00E9\u20AC"));
    EXPECT_EQ(widget.text(), QString::fromUtf8("abc\u00E9\u20AC"));
    EXPECT_EQ(edit.text(), "abc\xE9\x80");
    // What is pasted keeps its other characters, the cursor after them.
    widget.setCursorPosition(1);
    widget.insert(QString::fromUtf8("x|y\u4E00z"));
    EXPECT_EQ(widget.text(), QString::fromUtf8("axyzbc\u00E9\u20AC"));
    EXPECT_EQ(widget.cursorPosition(), 4);
}

TEST(FieldEdit, TextsCrossAsWindows1252)
{
    QLineEdit widget;
    QtEdit edit(&widget);
    edit.setText("Caf\xE9 \x93quoted\x94");
    EXPECT_EQ(widget.text(), QString::fromUtf8("Caf\u00E9 \u201Cquoted\u201D"));
    EXPECT_EQ(edit.text(), "Caf\xE9 \x93quoted\x94");
    EXPECT_EQ(widget.cursorPosition(), 0);
}

struct DateCase {
    const char* set;
    const char* shown;
    const char* text;
};

TEST(FieldEdit, ALongerStoredTextIsShownWholeButTypingStopsAtTheLimit)
{
    QLineEdit widget;
    widget.setMaxLength(7);
    QtEdit edit(&widget);
    edit.setText("12345.67");
    EXPECT_EQ(edit.text(), "12345.67");
    edit.setText("");
    typeText(&widget, QStringLiteral("123456789"));
    EXPECT_EQ(edit.text(), "1234567");
}

TEST(DateEdit, TextIsTheEightDigitPlacesWithoutSlashes)
{
    const DateCase cases[] = {
        {"03121998", "03/12/1998", "03121998"}, {"", "  /  /    ", ""},
        {"0312", "03/12/    ", "0312"},         {"03 2 998", "03/ 2/ 998", "03 2 998"},
        {"  12", "  /12/    ", "  12"},         {"031219981", "03/12/1998", "03121998"},
        {"ab121998", "  /12/1998", "  121998"},
    };
    for (const DateCase& c : cases) {
        QLineEdit widget;
        QtDateEdit date(&widget);
        date.setText(c.set);
        EXPECT_EQ(widget.displayText(), QString::fromLatin1(c.shown)) << c.set;
        EXPECT_EQ(date.text(), c.text) << c.set;
    }
}

TEST(DateEdit, TypedDigitsFillThePlacesInOrder)
{
    QLineEdit widget;
    QtDateEdit date(&widget);
    date.setText("");
    widget.setCursorPosition(0);
    typeText(&widget, QStringLiteral("1231"));
    EXPECT_EQ(widget.displayText(), QStringLiteral("12/31/    "));
    EXPECT_EQ(date.text(), "1231");
    typeText(&widget, QStringLiteral("x2000"));
    EXPECT_EQ(date.text(), "12312000");
    EXPECT_EQ(widget.maxLength(), 10);
}

// ---------------------------------------------------------------- pick list

TEST(PickList, ALongEntryShowsItsBeginning)
{
    QComboBox widget;
    widget.setEditable(true);
    QtComboBox list(&widget);
    list.addItem("Short");
    list.addItem("2 (opens/skinny TY) and a good deal more text");
    list.setItemIndex(1);
    EXPECT_EQ(widget.lineEdit()->cursorPosition(), 0);
}

TEST(PickList, BehavesLikeTheClassicList)
{
    QComboBox widget;
    QtComboBox list(&widget);
    list.setText("typed");
    list.addItem("Ty");
    // Adding to an empty list selects nothing.
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_EQ(list.text(), "typed");
    list.addItem("Disney");
    list.setItemIndex(1);
    EXPECT_EQ(list.text(), "Disney");
    list.setText("Gund");
    EXPECT_EQ(list.itemIndex(), 1);
    for (int outside : {2, -1, 99}) {
        list.setItemIndex(1);
        list.setItemIndex(outside);
        EXPECT_EQ(list.itemIndex(), -1) << outside;
        EXPECT_EQ(list.text(), "") << outside;
    }
    EXPECT_EQ(list.item(0), "Ty");
    for (int outside : {-1, 2}) {
        try {
            list.item(outside);
            ADD_FAILURE() << outside;
        } catch (const PlatformError& e) {
            EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(outside) + ")");
        }
    }
}

TEST(PickList, EnterNeitherInsertsNorSelectsNorCompletes)
{
    QComboBox widget;
    QtComboBox list(&widget);
    for (const char* e : {"Mint in Package", "Mint", "Near Mint"})
        list.addItem(e);
    list.setItemIndex(0);
    widget.lineEdit()->clear();
    typeText(&widget, QStringLiteral("Mint "));
    EXPECT_EQ(list.text(), "Mint ");
    tapReturn(&widget);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.text(), "Mint ");
    widget.lineEdit()->clear();
    typeText(&widget, QStringLiteral("Near Mint"));
    tapReturn(&widget);
    EXPECT_EQ(list.count(), 3);
}

TEST(PickList, TheWheelChangesOnlyTheListTheUserIsIn)
{
    QWidget window;
    auto* elsewhere = new QLineEdit(&window);
    auto* widget = new QComboBox(&window);
    widget->move(0, 30);
    QtComboBox list(widget);
    for (const char* e : {"Mint", "Near Mint", "Fair"})
        list.addItem(e);
    list.setItemIndex(0);
    ASSERT_TRUE(shownActive(window));
    elsewhere->setFocus();
    // Scrolling down past the list.
    wheel(widget, -120);
    wheel(widget, -120);
    EXPECT_EQ(list.itemIndex(), 0);
    EXPECT_TRUE(elsewhere->hasFocus());
    widget->setFocus();
    ASSERT_TRUE(widget->hasFocus());
    wheel(widget, -120);
    EXPECT_EQ(list.itemIndex(), 1);
}

TEST(PickList, RefusesTheBar)
{
    QComboBox widget;
    QtComboBox list(&widget);
    typeText(&widget, QStringLiteral("Hand|made"));
    EXPECT_EQ(list.text(), "Handmade");
}

// ---------------------------------------------------------------- memo

struct MemoCase {
    const char* typed;
    std::vector<std::string> lines;
};

TEST_F(Scripted, MemoLinesAreTheHardLines)
{
    const MemoCase cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"one\n\n", {"one", ""}},
        {"\n", {""}},
        {"one\ntwo", {"one", "two"}},
        {"a long line that the box wraps because it is far wider than the box itself",
         {"a long line that the box wraps because it is far wider than the box itself"}},
    };
    for (const MemoCase& c : cases) {
        MemoWidget widget;
        widget.resize(120, 80);
        QtMemo memo(&widget, boxes);
        widget.setPlainText(QString::fromLatin1(c.typed));
        EXPECT_EQ(memo.lines(), c.lines) << c.typed;
    }
}

TEST_F(Scripted, MemoLinesSurviveTheirWayBack)
{
    const std::vector<std::vector<std::string>> cases = {{},        {""},          {"a"},           {"a", ""},
                                                         {"", "b"}, {"a", "", ""}, {"caf\xE9", "x"}};
    for (const auto& lines : cases) {
        MemoWidget widget;
        QtMemo memo(&widget, boxes);
        memo.clear();
        for (const auto& l : lines)
            memo.addLine(l);
        EXPECT_EQ(memo.lines(), lines);
    }
}

TEST_F(Scripted, FillingALongMemoLineByLineIsQuick)
{
    MemoWidget widget;
    widget.resize(275, 87);
    widget.show();
    QtMemo memo(&widget, boxes);
    int runs = 0;
    memo.setChangeHandler([&runs] { ++runs; });
    std::vector<std::string> lines;
    for (int i = 0; i < 2000; ++i)
        lines.push_back(i % 10 >= 8 ? "" : "line " + std::to_string(i) + " of a long note");
    QElapsedTimer clock;
    clock.start();
    memo.clear();
    for (const std::string& l : lines)
        memo.addLine(l);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(runs, 2001);
    EXPECT_EQ(memo.lines(), lines);
    EXPECT_EQ(widget.textCursor().position(), 0);
}

TEST_F(Scripted, MemoShiftReturnBreaksALine)
{
    MemoWidget widget;
    QtMemo memo(&widget, boxes);
    typeText(&widget, QStringLiteral("ab"));
    QKeyEvent shiftReturn(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&widget, &shiftReturn);
    typeText(&widget, QStringLiteral("c"));
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"ab", "c"}));
}

TEST_F(Scripted, ProgramChangesToTheMemoRunTheHandlerDirectly)
{
    MemoWidget widget;
    QtMemo memo(&widget, boxes);
    int runs = 0;
    memo.setChangeHandler([&runs] {
        ++runs;
        throwNotInteger("x");
    });
    EXPECT_THROW(memo.addLine("one"), PlatformError);
    EXPECT_THROW(memo.clear(), PlatformError);
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

TEST_F(Scripted, TypingInTheMemoRunsTheHandlerAtTheErrorBoundary)
{
    MemoWidget widget;
    QtMemo memo(&widget, boxes);
    int runs = 0;
    memo.setChangeHandler([&runs] {
        ++runs;
        throwNotInteger("x");
    });
    typeText(&widget, QStringLiteral("hi"));
    EXPECT_EQ(runs, 2);
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, MsgKind::Error);
    EXPECT_EQ(asked[0].text, "'x' is not a valid integer value");
}

TEST_F(Scripted, MemoRefusesTheBarTypedOrPasted)
{
    MemoWidget widget;
    QtMemo memo(&widget, boxes);
    typeText(&widget, QString::fromUtf8("a|b\u03A9"));
    EXPECT_EQ(memo.lines(), std::vector<std::string>{"ab"});
    QApplication::clipboard()->setText(QString::fromUtf8("|c\nd|\u4E00e"));
    widget.paste();
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"abc", "de"}));
}

// ---------------------------------------------------------------- slider

class Slider : public Scripted {
protected:
    Slider() : slide(&bar, boxes)
    {
        bar.resize(125, 17);
        slide.setMin(0);
        slide.setMax(9);
        slide.setChangeHandler([this] { seen.push_back(slide.position()); });
    }
    ScrollBarWidget bar{Qt::Horizontal};
    QtScrollBar slide;
    std::vector<int> seen;
};

TEST_F(Slider, ProgramMovesRunTheHandlerOnlyWhenThePositionChanges)
{
    slide.setPosition(4);
    slide.setPosition(4);
    slide.setPosition(20); // clamped to the end
    slide.setPositionSilently(2);
    EXPECT_EQ(slide.position(), 2);
    slide.setMax(1); // pulls the position back
    slide.setMin(0);
    EXPECT_EQ(seen, (std::vector<int>{4, 9, 1}));
}

TEST_F(Slider, ErrorsOfAProgramMoveGoBackToTheCaller)
{
    slide.setChangeHandler([] { throwListIndexError(3); });
    EXPECT_THROW(slide.setPosition(3), PlatformError);
    EXPECT_EQ(slide.position(), 3);
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

TEST_F(Slider, ErrorsOfAUserMoveAreShownAndTheProgramGoesOn)
{
    slide.setChangeHandler([] { throwListIndexError(1); });
    keyTap(&bar, Qt::Key_Right);
    keyTap(&bar, Qt::Key_Up); // not a move for a horizontal bar
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "List index out of bounds (1)");
    EXPECT_EQ(slide.position(), 1);
}

TEST_F(Slider, KeysMoveItTheWayTheyPointOneStepAtATime)
{
    bar.setFocus();
    const std::pair<int, int> keys[] = {{Qt::Key_Right, 1},    {Qt::Key_Right, 2},  {Qt::Key_Left, 1},
                                        {Qt::Key_PageDown, 2}, {Qt::Key_PageUp, 1}, {Qt::Key_Down, 1},
                                        {Qt::Key_End, 9},      {Qt::Key_Home, 0}};
    for (auto [code, position] : keys) {
        keyTap(&bar, code);
        EXPECT_EQ(slide.position(), position) << code;
    }
}

TEST_F(Slider, AJumpOfTheThumbIsWalkedOneRecordAtATime)
{
    bar.setSliderDown(true);
    bar.setSliderPosition(4);
    bar.setSliderPosition(2);
    bar.setSliderDown(false);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 3, 2}));
    // Not dragged: one step.
    keyTap(&bar, Qt::Key_End);
    EXPECT_EQ(seen.back(), 9);
    EXPECT_EQ(seen.size(), 7u);
}

TEST_F(Slider, AJumpThatIsNoDragIsOneStep)
{
    bar.setFocus();
    keyTap(&bar, Qt::Key_End);
    EXPECT_EQ(seen, std::vector<int>{9});
    keyTap(&bar, Qt::Key_Home);
    EXPECT_EQ(seen, (std::vector<int>{9, 0}));
    // As a jump to a point of the track does.
    bar.setValue(6);
    EXPECT_EQ(seen, (std::vector<int>{9, 0, 6}));
    EXPECT_EQ(slide.position(), 6);
}

TEST_F(Slider, ARightClickOpensNoMenu)
{
    bar.show();
    bool menu = false;
    // Qt's menu would run its own event loop until closed.
    QTimer::singleShot(200, [&menu] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menu = true;
            popup->close();
        }
    });
    const QPoint at(bar.width() / 2, bar.height() / 2);
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, bar.mapToGlobal(at));
    QApplication::sendEvent(&bar, &e);
    idle(300);
    EXPECT_FALSE(menu);
    EXPECT_TRUE(seen.empty());
}

// The box takes the mouse: the release of the press goes to the blocked
// window, never to the bar. The box stays open longer than Qt waits before
// it repeats a held arrow.
TEST_F(Scripted, APressOnTheArrowWhoseHandlerOpensABoxIsOneStep)
{
    QWidget window;
    window.resize(200, 40);
    auto* bar = new ScrollBarWidget(Qt::Horizontal, &window);
    bar->setGeometry(0, 0, 125, 17);
    QtScrollBar slide(bar, boxes);
    slide.setMax(9);
    std::vector<int> seen;
    slide.setChangeHandler([&] {
        seen.push_back(slide.position());
        modalBoxFor(700, &window);
    });
    window.show();
    press(bar, QPoint(bar->width() - 4, bar->height() / 2));
    idle(1000);
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_EQ(bar->value(), 1);
    EXPECT_FALSE(bar->isSliderDown());
}

TEST_F(Scripted, ABoxDuringADragEndsItOnTheRecordShown)
{
    QWidget window;
    auto* bar = new ScrollBarWidget(Qt::Horizontal, &window);
    bar->setGeometry(0, 0, 125, 17);
    QtScrollBar slide(bar, boxes);
    slide.setMax(9);
    std::vector<int> seen;
    slide.setChangeHandler([&] {
        seen.push_back(slide.position());
        if (slide.position() == 2)
            modalBoxFor(100, &window);
    });
    window.show();
    bar->setSliderDown(true);
    bar->setSliderPosition(6);
    idle(200);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(bar->value(), 2);
    EXPECT_FALSE(bar->isSliderDown());
}

TEST_F(Slider, AHandlerThatPutsTheThumbBackEndsTheWalk)
{
    // As a failed move does: back to where it came from, silently.
    slide.setChangeHandler([this] {
        seen.push_back(slide.position());
        slide.setPositionSilently(0);
    });
    bar.setSliderDown(true);
    bar.setSliderPosition(5);
    bar.setSliderDown(false);
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_EQ(slide.position(), 0);
}

// ---------------------------------------------------------------- picture

TEST(PictureBox, ShowsTheBitmapUnscaledAndScrollsToIt)
{
    QScrollArea box;
    box.resize(269, 221);
    auto* contents = new QWidget;
    auto* image = new QLabel(contents);
    box.setWidget(contents);
    QtPicture picture(image, &box);
    QtScrollBox scroll(&box);

    QImage big(400, 300, QImage::Format_RGB32);
    big.fill(Qt::red);
    picture.setBitmap(std::make_unique<QtBitmap>(big));
    picture.setBounds({0, 0, 400, 300});
    EXPECT_EQ(picture.bounds(), (Rect{0, 0, 400, 300}));
    EXPECT_EQ(image->pixmap().size(), QSize(400, 300));
    EXPECT_EQ(contents->size(), QSize(400, 300));
    box.show();
    scroll.setHorzPosition(50);
    scroll.setVertPosition(40);
    EXPECT_EQ(box.horizontalScrollBar()->value(), 50);
    EXPECT_EQ(box.verticalScrollBar()->value(), 40);
    ASSERT_NE(picture.bitmap(), nullptr);
    EXPECT_EQ(picture.bitmap()->width(), 400);

    picture.setBounds({0, 0, 10, 10});
    picture.setBitmap(nullptr);
    EXPECT_EQ(picture.bitmap(), nullptr);
    EXPECT_TRUE(image->pixmap().isNull());
    EXPECT_EQ(contents->size(), QSize(10, 10));
}

TEST(Visible, IsTheWidgetsOwnFlag)
{
    QWidget parent;
    auto* bar = new QScrollBar(&parent);
    QtVisible visible(bar);
    visible.setVisible(false);
    EXPECT_FALSE(visible.isVisible());
    // Shown while its window is not on screen.
    visible.setVisible(true);
    EXPECT_TRUE(visible.isVisible());
}

} // namespace
} // namespace bw::test
