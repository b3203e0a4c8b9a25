#include "platform/textgate_qt.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <algorithm>

#include "platform/text_qt.h"

namespace bw {

namespace {

int g_programChanges = 0;

bool isUnicodeBreak(QChar c)
{
    return c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == QChar(0x85);
}

QString noticeFor(const FieldText& checked, const QString& unwritable)
{
    QStringList parts;
    if (checked.lineBreaks)
        parts << QStringLiteral("This box holds one line: line breaks became blanks.");
    if (checked.bars)
        parts << QStringLiteral("\"|\" cannot be stored and was left out.");
    if (!unwritable.isEmpty())
        parts << QStringLiteral("Left out, as the collection's files cannot hold them: %1").arg(unwritable);
    if (checked.controls)
        parts << QStringLiteral("Control characters were left out.");
    return parts.join(u'\n');
}

} // namespace

GatedText gateText(const QString& text, FieldShape shape, bool keepTrailingBreak)
{
    QString kept;
    kept.reserve(text.size());
    QString unwritable;
    int shown = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isUnicodeBreak(c)) {
            kept += u'\n';
            continue;
        }
        if (isAnsiRepresentable(c)) {
            kept += c;
            continue;
        }
        // Name what was refused, a whole character (both halves of a pair).
        QString one(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            one += text[++i];
        if (!unwritable.contains(one) && shown < 8) {
            unwritable += (unwritable.isEmpty() ? QString() : QStringLiteral(" ")) + one;
            ++shown;
        }
    }
    const FieldText checked = checkFieldText(toAnsi(kept), shape, keepTrailingBreak);
    GatedText out;
    out.text = fromAnsi(checked.text);
    if (checked.changed() || !unwritable.isEmpty())
        out.notice = noticeFor(checked, unwritable);
    return out;
}

QValidator::State FieldValidator::validate(QString& input, int& pos) const
{
    const GatedText whole = gateText(input, FieldShape::OneLine);
    if (whole.notice.isEmpty())
        return Acceptable;
    const qsizetype before = gateText(input.left(pos), FieldShape::OneLine, true).text.size();
    input = whole.text;
    pos = static_cast<int>(std::clamp<qsizetype>(before, 0, input.size()));
    if (!ProgramTextChange::active())
        if (auto* box = qobject_cast<QWidget*>(parent()))
            showFieldNotice(box, whole.notice);
    return Acceptable;
}

void refuseFieldChars(QLineEdit* edit)
{
    edit->setValidator(new FieldValidator(edit));
}

ProgramTextChange::ProgramTextChange()
{
    ++g_programChanges;
}
ProgramTextChange::~ProgramTextChange()
{
    --g_programChanges;
}
bool ProgramTextChange::active()
{
    return g_programChanges > 0;
}

void showFieldNotice(QWidget* box, const QString& text)
{
    QWidget* window = box->window();
    auto* notice = window->findChild<QLabel*>(QStringLiteral("fieldnotice"), Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new QLabel(window);
        notice->setObjectName(QStringLiteral("fieldnotice"));
        notice->setAccessibleName(QStringLiteral("Notice"));
        notice->setWordWrap(true);
        notice->setFrameShape(QFrame::Box);
        notice->setMargin(3);
        notice->setAutoFillBackground(true);
        notice->setTextFormat(Qt::PlainText);
        QPalette tip = notice->palette();
        tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
        tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
        notice->setPalette(tip);
        auto* timer = new QTimer(notice);
        timer->setObjectName(QStringLiteral("fieldnoticetimer"));
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, notice, &QWidget::hide);
    }
    notice->setText(text);
    const int width = std::min(300, std::max(160, window->width() - 8));
    notice->setFixedWidth(width);
    notice->adjustSize();
    const QPoint below = box->mapTo(window, QPoint(0, box->height() + 1));
    int x = std::clamp(below.x(), 2, std::max(2, window->width() - width - 2));
    int y = below.y();
    if (y + notice->height() > window->height())
        y = std::max(0, box->mapTo(window, QPoint(0, 0)).y() - notice->height() - 1);
    notice->move(x, y);
    notice->raise();
    notice->show();
    notice->findChild<QTimer*>(QStringLiteral("fieldnoticetimer"))->start(6000);
}

// ---------------------------------------------------------------- memo

void MemoWidget::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    // Keys whose text is a control character (Return, Ctrl+C, Backspace) are
    // commands, not text: only printable text is looked at.
    const bool printable = std::any_of(typed.begin(), typed.end(),
                                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7F; });
    if (printable) {
        const GatedText gated = gateText(typed, FieldShape::Lines);
        if (!gated.notice.isEmpty()) {
            showFieldNotice(this, gated.notice);
            if (!gated.text.isEmpty())
                insertPlainText(gated.text);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoWidget::inputMethodEvent(QInputMethodEvent* event)
{
    const GatedText gated = gateText(event->commitString(), FieldShape::Lines);
    if (gated.notice.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    showFieldNotice(this, gated.notice);
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(gated.text, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&filtered);
}

void MemoWidget::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const GatedText gated = gateText(source->text(), FieldShape::Lines);
    if (!gated.notice.isEmpty())
        showFieldNotice(this, gated.notice);
    insertPlainText(gated.text);
}

} // namespace bw
