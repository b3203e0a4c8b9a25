// Message boxes on screen: title, icon, buttons, and which key answers what.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/messageboxes_qt.h"
#include "tests/qt/input.h"

namespace bw::test {
namespace {

struct Seen {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString text;
};

struct BoxCase {
    MsgKind kind;
    MsgButtons buttons;
    int key;
    const char* title;
    QMessageBox::Icon icon;
    QStringList buttonTexts;
    Answer answer;
};

TEST(MessageBoxes, ShowTheKindsTitleIconAndExactlyTheButtonsAsked)
{
    const QStringList yesNo{"&Yes", "&No"};
    const BoxCase cases[] = {
        {MsgKind::Confirm, MsgButtons::YesNo, Qt::Key_Return, "Confirm", QMessageBox::Question, yesNo,
         Answer::Yes},
        {MsgKind::Confirm, MsgButtons::YesNo, Qt::Key_Escape, "Confirm", QMessageBox::Question, yesNo,
         Answer::No},
        {MsgKind::Confirm, MsgButtons::YesNo, Qt::Key_N, "Confirm", QMessageBox::Question, yesNo, Answer::No},
        // The default button comes first.
        {MsgKind::Confirm, MsgButtons::YesNoDefaultNo, Qt::Key_Return, "Confirm", QMessageBox::Question,
         {"&No", "&Yes"}, Answer::No},
        {MsgKind::Information, MsgButtons::YesNo, Qt::Key_Y, "Information", QMessageBox::Information, yesNo,
         Answer::Yes},
        {MsgKind::Information,
         MsgButtons::Ok,
         Qt::Key_Return,
         "Information",
         QMessageBox::Information,
         {"OK"},
         Answer::Ok},
        {MsgKind::Warning,
         MsgButtons::Ok,
         Qt::Key_Escape,
         "Warning",
         QMessageBox::Warning,
         {"OK"},
         Answer::Ok},
        {MsgKind::Error, MsgButtons::Ok, Qt::Key_Return, "Error", QMessageBox::Critical, {"OK"}, Answer::Ok},
    };
    for (const BoxCase& c : cases) {
        Seen seen;
        QTimer::singleShot(0, [&seen, &c] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.title = box->windowTitle();
            seen.icon = box->icon();
            seen.text = box->text();
            for (QAbstractButton* b : box->buttons())
                seen.buttons << b->text();
            seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            const QString letter = c.key == Qt::Key_Y ? "y" : c.key == Qt::Key_N ? "n" : "";
            QKeyEvent k(QEvent::KeyPress, c.key, Qt::NoModifier, letter);
            QApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &k);
            // A key the box ignores fails the case instead of waiting forever.
            QTimer::singleShot(2000, box, [box] { box->reject(); });
        });
        QtMessageBoxes boxes;
        const Answer answer = boxes.show(c.kind, "Caf\xE9 is open", c.buttons);
        EXPECT_EQ(answer, c.answer) << c.title;
        EXPECT_EQ(seen.title, QString::fromLatin1(c.title));
        EXPECT_EQ(seen.icon, c.icon) << c.title;
        EXPECT_EQ(seen.text, QString::fromUtf8("Caf\u00E9 is open"));
        QStringList sortedSeen = seen.buttons, sortedWanted = c.buttonTexts;
        sortedSeen.sort();
        sortedWanted.sort();
        EXPECT_EQ(sortedSeen, sortedWanted) << c.title;
        EXPECT_EQ(seen.defaultButton, c.buttonTexts.front()) << c.title;
    }
}

TEST(MessageBoxes, TheUsersTextIsShownAsItIsNotAsMarkup)
{
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        shown = box->text();
        box->accept();
    });
    QtMessageBoxes boxes;
    boxes.show(MsgKind::Information, "Sorry, <small> wasn't found.", MsgButtons::Ok);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, QStringLiteral("Sorry, <small> wasn't found."));
}

TEST(MessageBoxes, ScriptedBoxesAreRecordedAndAnswered)
{
    QtMessageBoxes::setScripted(true);
    QtMessageBoxes boxes;
    QtMessageBoxes::setNextAnswer(Answer::Yes);
    EXPECT_EQ(boxes.show(MsgKind::Warning, "w", MsgButtons::Ok), Answer::Ok);
    EXPECT_EQ(boxes.show(MsgKind::Confirm, "first", MsgButtons::YesNo), Answer::Yes);
    EXPECT_EQ(boxes.show(MsgKind::Confirm, "second", MsgButtons::YesNo), Answer::No);
    const auto asked = QtMessageBoxes::takeAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].text, "first");
    EXPECT_EQ(asked[2].kind, MsgKind::Confirm);
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
    QtMessageBoxes::setScripted(false);
}

} // namespace
} // namespace bw::test
