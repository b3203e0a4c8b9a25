// Texts arriving in the real boxes: pasted through the clipboard, dropped,
// composed by an input method. Line breaks never reach a one-line box, "|"
// and characters Windows-1252 cannot hold never reach any, and the user is
// told when something was changed.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "editing/finder_qt.h"
#include "platform/text_qt.h"
#include "tests/qt/input.h"
#include "tests/qt/window_fixture.h"

namespace bw::test {
namespace {

const QString Hostile[] = {
    QStringLiteral("two\r\nlines"),
    QStringLiteral("cr\ronly"),
    QStringLiteral("Bongo\n"),
    QString::fromUtf8("line\u2028sep"),
    QString::fromUtf8("para\u2029sep"),
    QStringLiteral("bar|in|it"),
    QString(QChar(0)) + QStringLiteral("nul"),
    QString::fromUtf8("Sammlung \u0141\u00f3d\u017a"),
    QString::fromUtf8("\u041c\u043e\u0457 \u0456\u0433\u0440\u0430\u0448\u043a\u0438"),
    QString::fromUtf8("\u7528\u6237 \U0001F43B"),
    QString(10000, u'x') + u'\n',
};

// True when the text can be stored in one field as it stands.
bool fitsOneField(const QString& text)
{
    for (QChar c : text)
        if (c == u'|' || c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c.unicode() < 0x20 || !isAnsiRepresentable(c))
            return false;
    return true;
}

void pasteInto(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(box, &release);
}

class TextGate : public WindowTest {
protected:
    QLabel* notice() const { return window->findChild<QLabel*>(QStringLiteral("fieldnotice")); }
    void hideNotice() const
    {
        if (QLabel* n = notice())
            n->hide();
    }
};

TEST_F(TextGate, APastedTextReachesEveryBoxOnlyAsOneStorableLine)
{
    writeFile(file("a3.pvd"), recordLine("AbcDefGh", "Bear"));
    open();
    for (const char* name : {"nameedit", "styleedit", "buyedit", "valedit", "selledit", "mfglist", "genlist",
                             "condlist1", "condlist2", "condlist3"}) {
        QWidget* w = control(name);
        auto* combo = qobject_cast<QComboBox*>(w);
        QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
        ASSERT_NE(edit, nullptr) << name;
        for (const QString& text : Hostile) {
            w->setFocus();
            edit->clear();
            hideNotice();
            pasteInto(w, text);
            EXPECT_TRUE(fitsOneField(edit->text())) << name << ": " << edit->text().left(40).toStdString();
            // A money box takes its first seven characters, as typed ones.
            if (!fitsOneField(text.left(edit->maxLength()))) {
                ASSERT_NE(notice(), nullptr);
                EXPECT_TRUE(notice()->isVisible()) << name << ": " << text.left(40).toStdString();
            }
        }
        // A text that passes is taken as it is, with no notice.
        edit->clear();
        hideNotice();
        pasteInto(w, QStringLiteral("7.50"));
        EXPECT_EQ(edit->text(), QStringLiteral("7.50"));
        EXPECT_FALSE(notice()->isVisible());
    }
    // The date boxes take digits only, whatever arrives: what they hand on
    // is digits and blanks.
    const MainControls& ui = window->state().ui;
    const std::pair<const char*, IEdit*> dates[] = {{"bdayedit", ui.bdayedit},
                                                    {"rdayedit", ui.rdayedit},
                                                    {"pdayedit", ui.pdayedit},
                                                    {"sdayedit", ui.sdayedit}};
    for (const auto& [name, adapter] : dates) {
        auto* edit = control<QLineEdit>(name);
        for (const QString& text : Hostile) {
            edit->setFocus();
            edit->clear();
            pasteInto(edit, text);
            const std::string digits = adapter->text();
            EXPECT_EQ(digits.find_first_not_of("0123456789 "), std::string::npos) << name;
        }
    }
    QtMessageBoxes::takeAsked();
}

TEST_F(TextGate, ALineBreakBecomesABlankAndTheNoticeSaysWhy)
{
    open();
    auto* name = control<QLineEdit>("nameedit");
    name->setFocus();
    name->clear();
    pasteInto(name, QString::fromUtf8("Patti the\r\nPlatypus|\u0141\n"));
    EXPECT_EQ(name->text(), QStringLiteral("Patti the Platypus"));
    EXPECT_EQ(name->cursorPosition(), name->text().size());
    ASSERT_NE(notice(), nullptr);
    EXPECT_TRUE(notice()->isVisible());
    EXPECT_TRUE(notice()->text().contains(QStringLiteral("line breaks became blanks")));
    EXPECT_TRUE(notice()->text().contains(QStringLiteral("\"|\"")));
    EXPECT_TRUE(notice()->text().contains(QString::fromUtf8("\u0141")));
    // Below the box, inside the window.
    EXPECT_GE(notice()->y(), name->geometry().bottom());
    EXPECT_LE(notice()->geometry().right(), window->width());
    // The program's own filling of the box tells nothing.
    hideNotice();
    window->state().ui.nameedit->setText("Bongo");
    EXPECT_FALSE(notice()->isVisible());
}

TEST_F(TextGate, ADroppedTextPassesTheSameGate)
{
    open();
    auto* name = control<QLineEdit>("nameedit");
    name->clear();
    QMimeData data;
    data.setText(QStringLiteral("dropped\ntext|"));
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(name, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(name, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(name, &drop);
    EXPECT_EQ(name->text(), QStringLiteral("dropped text"));
    EXPECT_TRUE(notice()->isVisible());
}

TEST_F(TextGate, AnInputMethodsTextPassesTheSameGate)
{
    open();
    auto* name = control<QLineEdit>("nameedit");
    name->setFocus();
    name->setText(QStringLiteral("ab"));
    name->end(false);
    QInputMethodEvent compose;
    compose.setCommitString(QString::fromUtf8("c\u2028d\u4e00"));
    QApplication::sendEvent(name, &compose);
    EXPECT_EQ(name->text(), QStringLiteral("abc d"));

    auto* memo = control<QPlainTextEdit>("memo");
    memo->setFocus();
    memo->clear();
    QInputMethodEvent intoMemo;
    intoMemo.setCommitString(QString::fromUtf8("x|y\u4e00"));
    QApplication::sendEvent(memo, &intoMemo);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("xy"));
    EXPECT_TRUE(notice()->isVisible());
}

TEST_F(TextGate, TheNotesKeepTheirLinesButNeverABar)
{
    writeFile(file("a3.pvd"), recordLine("AbcDefGh", "Bear") + "\r\n");
    open();
    auto* memo = control<QPlainTextEdit>("memo");
    memo->setFocus();
    memo->clear();
    pasteInto(memo, QString::fromUtf8("one|\r\ntwo\u2029three \u0416"));
    EXPECT_EQ(window->state().ui.memo->lines(), (std::vector<std::string>{"one", "two", "three "}));
    EXPECT_TRUE(notice()->isVisible());
    hideNotice();
    typeText(memo, QStringLiteral("|"));
    EXPECT_TRUE(notice()->isVisible());
    // Shortcuts carry control characters as their text; they still work and
    // tell nothing.
    hideNotice();
    for (int k : {Qt::Key_A, Qt::Key_C}) {
        QKeyEvent shortcut(QEvent::KeyPress, k, Qt::ControlModifier, QString(QChar(k - Qt::Key_A + 1)));
        QApplication::sendEvent(memo, &shortcut);
    }
    EXPECT_FALSE(notice()->isVisible());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("one\ntwo\nthree "));
    window->close();
    EXPECT_EQ(readFile(file("a4.pvd")), "AbcDefGh|one\r\nAbcDefGh|two\r\nAbcDefGh|three \r\n");
}

TEST_F(TextGate, APastedNameWithALineBreakIsStoredAsOneRecord)
{
    writeFile(file("a3.pvd"),
              recordLine("AbcDefGh", "Bear") + "\r\n" + recordLine("BbcDefGh", "Bo") + "\r\n");
    open();
    auto* name = control<QLineEdit>("nameedit");
    name->setFocus();
    name->selectAll();
    pasteInto(name, QStringLiteral("Legs\r\nthe Frog\r\n"));
    window->close();
    const std::vector<std::string> lines = StringList::splitLines(readFile(file("a3.pvd")));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(splitField(lines[0], FName), "Legs the Frog");
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '|'), 15);
}

TEST(SearchTextGate, TheSearchBoxesPassTheSameGate)
{
    std::string text;
    int kind = 0;
    Tfinder finder(nullptr, text, kind);
    finder.show();
    for (const char* name : {"Edit1", "Edit2"}) {
        auto* edit = finder.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        pasteInto(edit, QString::fromUtf8("Spot\r\nthe|Dog \u0416"));
        EXPECT_EQ(edit->text(), QStringLiteral("Spot theDog ")) << name;
        auto* notice = finder.findChild<QLabel*>(QStringLiteral("fieldnotice"));
        ASSERT_NE(notice, nullptr);
        EXPECT_TRUE(notice->isVisible());
    }
}

} // namespace
} // namespace bw::test
