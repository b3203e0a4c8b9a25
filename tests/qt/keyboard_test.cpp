// Every command from the keyboard, whichever box has the focus.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "store/record.h"
#include "tests/qt/window_fixture.h"

namespace bw::test {
namespace {

class Keyboard : public WindowTest {
protected:
    std::vector<std::string> calls;

    void openRecording(int records)
    {
        writeRecords(records);
        open(recorders(calls));
        QApplication::setActiveWindow(window.get());
        calls.clear();
    }

    void press(const char* focused, QKeyCombination key)
    {
        QWidget* w = control(focused);
        w->setFocus();
        // The box a list edits in is the one that has the keys.
        if (QWidget* inner = QApplication::focusWidget())
            w = inner;
        QTest::keyClick(w, key.key(), key.keyboardModifiers());
    }
};

TEST_F(Keyboard, EachShortcutRunsItsHandlerFromAnyBox)
{
    openRecording(5);
    const struct {
        QKeyCombination key;
        std::vector<std::string> reached;
    } table[] = {
        {Qt::CTRL | Qt::Key_N, {"addbuttonClick"}},
        {Qt::CTRL | Qt::Key_S, {"savebuttClick"}},
        {Qt::CTRL | Qt::Key_D, {"deletebuttonClick"}},
        {Qt::CTRL | Qt::Key_F, {"searchbuttonClick"}},
        {QKeyCombination(Qt::Key_F1), {"helpbuttonClick"}},
        {Qt::CTRL | Qt::Key_M, {"treasurebuttonClick"}},
        {Qt::CTRL | Qt::Key_I, {"Image9Click"}},
    };
    for (const char* box :
         {"nameedit", "bdayedit", "styleedit", "mfglist", "memo", "condlist3", "selledit", "recordslide"})
        for (const auto& row : table) {
            calls.clear();
            press(box, row.key);
            // Releasing Ctrl is a key-up of the box like any other key.
            std::erase_if(calls, [](const std::string& c) { return c.find("KeyUp") != std::string::npos; });
            EXPECT_EQ(calls, row.reached) << box << " " << QKeySequence(row.key).toString().toStdString();
        }
}

TEST_F(Keyboard, PagingKeysMoveTheSliderAsTheUserWould)
{
    openRecording(5);
    auto* slide = control<QScrollBar>("recordslide");
    const struct {
        QKeyCombination key;
        int position;
        const char* reached; // null: the slider stays and nothing runs
    } steps[] = {
        {Qt::CTRL | Qt::Key_PageDown, 1, "recordslideChange 1"},
        {Qt::CTRL | Qt::Key_PageDown, 2, "recordslideChange 2"},
        {Qt::CTRL | Qt::Key_PageUp, 1, "recordslideChange 1"},
        {Qt::CTRL | Qt::Key_End, 4, "recordslideChange 4"},
        {Qt::CTRL | Qt::Key_PageDown, 4, nullptr},
        {Qt::CTRL | Qt::Key_Home, 0, "recordslideChange 0"},
        {Qt::CTRL | Qt::Key_PageUp, 0, nullptr},
    };
    // From inside boxes whose own use of these keys would otherwise win.
    const char* boxes[] = {"memo", "nameedit", "genlist", "memo", "pdayedit", "valedit", "memo"};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        calls.clear();
        press(boxes[i], steps[i].key);
        const std::vector<std::string> expected =
            steps[i].reached ? std::vector<std::string>{steps[i].reached} : std::vector<std::string>{};
        std::erase_if(calls, [](const std::string& c) { return c.find("KeyUp") != std::string::npos; });
        EXPECT_EQ(calls, expected) << i;
        EXPECT_EQ(slide->value(), steps[i].position) << i;
    }
}

TEST_F(Keyboard, PagingByKeyStoresTheRecordLeftAsTheSliderDoes)
{
    writeRecords(3);
    open();
    QApplication::setActiveWindow(window.get());
    control<QLineEdit>("selledit")->setText(QStringLiteral("7.5"));
    control<QPlainTextEdit>("memo")->setPlainText(QStringLiteral("kept"));
    press("memo", Qt::CTRL | Qt::Key_End);
    const MainState& st = window->state();
    EXPECT_EQ(st.currentIndex, 2);
    EXPECT_EQ(control<QLabel>("rlabel")->text(), QStringLiteral("Record 3 of 3"));
    // Cleaned like any move: a price without two decimals is emptied.
    EXPECT_EQ(getField(st.RecordList, 0, 8), "");
    EXPECT_EQ(getField(st.NoteList, 0, 1), "kept");
    press("nameedit", Qt::CTRL | Qt::Key_Home);
    EXPECT_EQ(st.currentIndex, 0);
    EXPECT_EQ(control<QPlainTextEdit>("memo")->toPlainText(), QStringLiteral("kept"));
}

TEST_F(Keyboard, CtrlPOpensThePrintMenuUnderTheIcon)
{
    openRecording(2);
    auto* menu = control<QMenu>("printpop");
    press("nameedit", Qt::CTRL | Qt::Key_P);
    ASSERT_TRUE(menu->isVisible());
    QWidget* icon = control("printbutton");
    const QRect iconOnScreen(icon->mapToGlobal(QPoint(0, 0)), icon->size());
    EXPECT_NEAR(menu->geometry().center().x(), iconOnScreen.center().x(), 2);
    EXPECT_GE(menu->geometry().top(), iconOnScreen.bottom());
    // The first item is ready for Return.
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_EQ(menu->activeAction()->objectName(), QStringLiteral("printthis"));
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(calls, std::vector<std::string>{"printallClick"});
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(Keyboard, TheSliderShowsWhenItHasTheFocus)
{
    openRecording(3);
    auto* slide = control<QScrollBar>("recordslide");
    auto grab = [&] { return slide->grab().toImage(); };
    control("nameedit")->setFocus();
    const QImage without = grab();
    slide->setFocus();
    ASSERT_TRUE(slide->hasFocus());
    EXPECT_NE(grab(), without);
}

} // namespace
} // namespace bw::test
