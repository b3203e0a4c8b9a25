#include "platform/messageboxes_qt.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <deque>

#include "platform/text_qt.h"

namespace bw {

namespace {

struct Script {
    bool on = false;
    std::deque<Answer> answers;
    std::vector<AskedBox> asked;
};

Script& script()
{
    static Script s;
    return s;
}

QMessageBox::Icon iconOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return QMessageBox::Warning;
    case MsgKind::Error:
        return QMessageBox::Critical;
    case MsgKind::Information:
        return QMessageBox::Information;
    case MsgKind::Confirm:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtMessageBoxes::show(MsgKind kind, const std::string& text, MsgButtons buttons)
{
    Script& s = script();
    if (s.on) {
        s.asked.push_back({kind, text, buttons});
        if (buttons == MsgButtons::Ok)
            return Answer::Ok;
        if (s.answers.empty())
            return Answer::No;
        const Answer a = s.answers.front();
        s.answers.pop_front();
        return a;
    }

    QMessageBox box(iconOf(kind), QString::fromLatin1(msgTitle(kind)), fromAnsi(text), QMessageBox::NoButton,
                    parent_);
    // The user's own text (a name, a path) is never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    box.setDefaultButton(buttons == MsgButtons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

void QtMessageBoxes::setScripted(bool scripted)
{
    Script& s = script();
    s.on = scripted;
    s.answers.clear();
    s.asked.clear();
}

void QtMessageBoxes::setNextAnswer(Answer answer)
{
    script().answers.push_back(answer);
}

std::vector<AskedBox> QtMessageBoxes::takeAsked()
{
    std::vector<AskedBox> asked;
    asked.swap(script().asked);
    return asked;
}

} // namespace bw
