#include "platform/controls_qt.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <array>

#include "platform/bitmap_qt.h"
#include "platform/error.h"
#include "platform/guard.h"
#include "platform/text_qt.h"

namespace bw {

QFont formFont(bool bold)
{
    // A face of our own: the desktop's font may be wider than the boxes.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    f.setBold(bold);
    return f;
}

// ---------------------------------------------------------------- edits

QtEdit::QtEdit(QLineEdit* edit) : edit_(edit) {}

std::string QtEdit::text() const
{
    return toAnsi(edit_->text());
}

void QtEdit::setText(const std::string& text)
{
    // The length limit is for typing: a longer stored text (a hand-edited
    // file) is shown whole, not cut, so showing it never changes it.
    if (typingLimit_ < 0)
        typingLimit_ = edit_->maxLength();
    const QString shown = fromAnsi(text);
    const ProgramTextChange quiet;
    edit_->setMaxLength(std::max(typingLimit_, static_cast<int>(shown.size())));
    edit_->setText(shown);
    // Show the start of a long text, not its end.
    edit_->setCursorPosition(0);
}

namespace {

// Where the eight digits of a date stand in "99/99/9999".
constexpr std::array<int, 8> datePositions{0, 1, 3, 4, 6, 7, 8, 9};

} // namespace

QtDateEdit::QtDateEdit(QLineEdit* edit) : edit_(edit)
{
    edit_->setInputMask("99/99/9999; ");
}

std::string QtDateEdit::text() const
{
    const QString shown = edit_->displayText();
    QString digits;
    for (int p : datePositions)
        digits += p < shown.size() ? shown[p] : QChar(u' ');
    while (!digits.isEmpty() && digits.back() == u' ')
        digits.chop(1);
    return toAnsi(digits);
}

void QtDateEdit::setText(const std::string& text)
{
    // The mask would close up blanks in a text set whole, so each digit goes
    // into its own place.
    const QString digits = fromAnsi(text);
    edit_->setText(QString());
    for (int i = 0; i < static_cast<int>(datePositions.size()) && i < digits.size(); ++i) {
        if (!digits[i].isDigit())
            continue;
        edit_->setCursorPosition(datePositions[static_cast<std::size_t>(i)]);
        edit_->insert(QString(digits[i]));
    }
    edit_->setCursorPosition(0);
}

// ---------------------------------------------------------------- label

QtLabel::QtLabel(QLabel* label) : label_(label) {}

std::string QtLabel::caption() const
{
    return toAnsi(label_->text());
}

void QtLabel::setCaption(const std::string& caption)
{
    label_->setText(fromAnsi(caption));
}

// ---------------------------------------------------------------- pick list

namespace {

// Turning the wheel to scroll past a list must not change its entry (a
// record's grade): the wheel picks only in the list the user is in.
class WheelOnlyWithFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QtComboBox::QtComboBox(QComboBox* combo) : combo_(combo)
{
    // Qt's wheel focus would let the wheel walk into the list and change it.
    combo_->setFocusPolicy(Qt::StrongFocus);
    combo_->installEventFilter(new WheelOnlyWithFocus(combo_));
    combo_->setEditable(true);
    // Only the key-release handler decides what Enter does: no insertion, no
    // jump to a matching entry, no completion that would change what was typed.
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setDuplicatesEnabled(true);
    combo_->setCompleter(nullptr);
    combo_->setValidator(new FieldValidator(combo_));
    // Qt would select an entry matching the typed text on Enter or on leaving
    // the box, behind the key-release handler's back: typing never selects.
    QObject::disconnect(combo_->lineEdit(), &QLineEdit::returnPressed, combo_, nullptr);
    QObject::disconnect(combo_->lineEdit(), &QLineEdit::editingFinished, combo_, nullptr);
}

int QtComboBox::count() const
{
    return combo_->count();
}

std::string QtComboBox::item(int index) const
{
    if (index < 0 || index >= combo_->count())
        throwListIndexError(index);
    return toAnsi(combo_->itemText(index));
}

void QtComboBox::addItem(const std::string& text)
{
    // Qt selects the first entry put into an empty list; the logic does not
    // expect that.
    const int index = combo_->currentIndex();
    const QString typed = combo_->currentText();
    const ProgramTextChange quiet;
    combo_->addItem(fromAnsi(text));
    if (combo_->currentIndex() != index) {
        combo_->setCurrentIndex(index);
        combo_->setEditText(typed);
    }
}

int QtComboBox::itemIndex() const
{
    return combo_->currentIndex();
}

void QtComboBox::setItemIndex(int index)
{
    const ProgramTextChange quiet;
    combo_->setCurrentIndex(index >= 0 && index < combo_->count() ? index : -1);
    // Selecting the entry already selected leaves typed text in place; the
    // box shows the entry it holds.
    combo_->setEditText(combo_->currentIndex() >= 0 ? combo_->itemText(combo_->currentIndex()) : QString());
    showStart();
}

std::string QtComboBox::text() const
{
    return toAnsi(combo_->currentText());
}

void QtComboBox::setText(const std::string& text)
{
    const ProgramTextChange quiet;
    combo_->setEditText(fromAnsi(text));
    showStart();
}

// A long entry shows its beginning, not its end.
void QtComboBox::showStart()
{
    if (QLineEdit* edit = combo_->lineEdit())
        edit->setCursorPosition(0);
}

// ---------------------------------------------------------------- memo

QtMemo::QtMemo(QPlainTextEdit* memo, IMessageBoxes& boxes) : memo_(memo), boxes_(boxes)
{
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    userEdits_ = QObject::connect(memo_, &QPlainTextEdit::textChanged, memo_, [this] {
        if (handler_)
            runHandler(boxes_, handler_);
    });
}

QtMemo::~QtMemo()
{
    QObject::disconnect(userEdits_);
}

std::vector<QString> QtMemo::qtLines() const
{
    // Hard lines: the blocks, and inside a block the breaks of Shift+Return.
    std::vector<QString> lines;
    for (QTextBlock b = memo_->document()->begin(); b.isValid(); b = b.next())
        for (const QString& part : b.text().split(QChar::LineSeparator))
            lines.push_back(part);
    // The empty line after a final line break is no line of its own.
    if (!lines.empty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

std::vector<std::string> QtMemo::lines() const
{
    std::vector<std::string> out;
    for (const QString& line : qtLines())
        out.push_back(toAnsi(line));
    return out;
}

void QtMemo::setLines(const std::vector<QString>& lines)
{
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u'\n';
        text += lines[i];
    }
    // A last line that is empty needs a line break to exist.
    if (!lines.empty() && lines.back().isEmpty())
        text += u'\n';
    {
        const QSignalBlocker quiet(memo_);
        memo_->setPlainText(text);
    }
    if (handler_)
        handler_();
}

void QtMemo::clear()
{
    setLines({});
}

void QtMemo::addLine(const std::string& line)
{
    // Appended at the end, not the whole text set again: filling a long memo
    // line by line stays linear. The text keeps the form setLines gives it.
    const QString added = fromAnsi(line);
    QTextDocument* doc = memo_->document();
    {
        const QSignalBlocker quiet(memo_);
        // An empty last part (an empty text, a final line break) is where the
        // next line goes; otherwise it needs a line break of its own.
        const QString last = doc->lastBlock().text();
        const bool open = last.isEmpty() || last.endsWith(QChar::LineSeparator);
        QString text = open ? added : u'\n' + added;
        // A last line that is empty needs a line break to exist.
        if (added.isEmpty())
            text += u'\n';
        QTextCursor end(doc);
        end.movePosition(QTextCursor::End);
        end.insertText(text);
        // As after setting the whole text: nothing to undo, the cursor at
        // the start.
        doc->clearUndoRedoStacks();
        if (memo_->textCursor().position() != 0) {
            QTextCursor start(doc);
            memo_->setTextCursor(start);
        }
    }
    if (handler_)
        handler_();
}

void QtMemo::setChangeHandler(ChangeHandler handler)
{
    handler_ = std::move(handler);
}

// ---------------------------------------------------------------- scroll bar

ScrollBarWidget::ScrollBarWidget(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    setSingleStep(1);
    setPageStep(0);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The action has moved the slider position but not yet the value.
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
        if (action == SliderPageStepAdd)
            setSliderPosition(sliderPosition() + singleStep());
        else if (action == SliderPageStepSub)
            setSliderPosition(sliderPosition() - singleStep());
    });
}

bool ScrollBarWidget::event(QEvent* event)
{
    // A box opened from the change handler: the release of the press that
    // moved the bar goes to the blocked window and never comes here, and the
    // press would go on repeating behind the box.
    if (event->type() == QEvent::WindowBlocked)
        endPress();
    return QScrollBar::event(event);
}

void ScrollBarWidget::endPress()
{
    // The release the bar will not get: it also draws the arrow raised again.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(mapToGlobal(QPoint(-1, -1))),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QScrollBar::mouseReleaseEvent(&release);
    setRepeatAction(SliderNoAction);
    setSliderDown(false);
}

void ScrollBarWidget::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // Styles draw it faintly or not at all; the classic dotted frame shows.
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

void ScrollBarWidget::keyPressEvent(QKeyEvent* event)
{
    const bool vertical = orientation() == Qt::Vertical;
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
        action = vertical ? SliderNoAction : SliderSingleStepSub;
        break;
    case Qt::Key_Right:
        action = vertical ? SliderNoAction : SliderSingleStepAdd;
        break;
    case Qt::Key_Up:
        action = vertical ? SliderSingleStepSub : SliderNoAction;
        break;
    case Qt::Key_Down:
        action = vertical ? SliderSingleStepAdd : SliderNoAction;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    if (action == SliderNoAction) {
        event->ignore();
        return;
    }
    triggerAction(action);
    event->accept();
}

QtScrollBar::QtScrollBar(QScrollBar* bar, IMessageBoxes& boxes) : bar_(bar), boxes_(boxes)
{
    settled_ = target_ = bar_->value();
    // Every change the program makes is done with the signals blocked, so
    // whatever arrives here is the user's.
    userMoves_ =
        QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this](int value) { userMoved(value); });
}

QtScrollBar::~QtScrollBar()
{
    QObject::disconnect(userMoves_);
}

int QtScrollBar::min() const
{
    return bar_->minimum();
}
int QtScrollBar::max() const
{
    return bar_->maximum();
}
int QtScrollBar::position() const
{
    return bar_->value();
}

void QtScrollBar::setMin(int value)
{
    const int before = bar_->value();
    {
        const QSignalBlocker quiet(bar_);
        bar_->setMinimum(value);
    }
    settled_ = target_ = bar_->value();
    runIfMoved(before);
}

void QtScrollBar::setMax(int value)
{
    const int before = bar_->value();
    {
        const QSignalBlocker quiet(bar_);
        bar_->setMaximum(value);
    }
    settled_ = target_ = bar_->value();
    runIfMoved(before);
}

void QtScrollBar::setPosition(int value)
{
    const int before = bar_->value();
    setSilently(value);
    runIfMoved(before);
}

void QtScrollBar::setPositionSilently(int value)
{
    setSilently(value);
}

void QtScrollBar::setFocus()
{
    bar_->setFocus(Qt::OtherFocusReason);
}

void QtScrollBar::setChangeHandler(ChangeHandler handler)
{
    handler_ = std::move(handler);
}

void QtScrollBar::setSilently(int value)
{
    {
        const QSignalBlocker quiet(bar_);
        bar_->setValue(value);
    }
    settled_ = target_ = bar_->value();
}

void QtScrollBar::runIfMoved(int before)
{
    if (bar_->value() != before && handler_)
        handler_();
}

void QtScrollBar::userMoved(int value)
{
    // Only a nested event loop (a box the handler opened) brings a move while
    // the handler runs; the thumb stays on the record the handler shows.
    if (stepping_) {
        const QSignalBlocker quiet(bar_);
        bar_->setValue(settled_);
        return;
    }
    stepping_ = true;
    target_ = value;
    while (settled_ != target_) {
        // A drag runs the handler for every position passed, in order, so that
        // it stores and shows each record on the way; any other move (a key,
        // a click, a jump) runs it once, for where the thumb went.
        const bool dragged = bar_->isSliderDown();
        const int next = dragged ? settled_ + (target_ > settled_ ? 1 : -1) : target_;
        {
            const QSignalBlocker quiet(bar_);
            bar_->setValue(next);
        }
        settled_ = next;
        if (handler_)
            runHandler(boxes_, handler_);
        // The handler put the thumb elsewhere itself (for example back after a
        // failed move), or a box it opened ended the drag: that ends the walk
        // on the record shown.
        if (bar_->value() != next || (dragged && !bar_->isSliderDown()))
            settled_ = target_ = bar_->value();
    }
    stepping_ = false;
}

// ---------------------------------------------------------------- picture

QtPicture::QtPicture(QLabel* image, QScrollArea* box) : image_(image), box_(box)
{
    image_->setScaledContents(false);
    image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void QtPicture::setBitmap(std::unique_ptr<Bitmap> bitmap)
{
    bitmap_ = std::move(bitmap);
    const QImage image = QtBitmap::imageOf(bitmap_.get());
    if (image.isNull())
        image_->clear();
    else
        image_->setPixmap(QPixmap::fromImage(image));
}

const Bitmap* QtPicture::bitmap() const
{
    return bitmap_.get();
}

void QtPicture::setBounds(const Rect& bounds)
{
    image_->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    fitScrollContents(box_);
}

Rect QtPicture::bounds() const
{
    const QRect g = image_->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void fitScrollContents(QScrollArea* box)
{
    QWidget* contents = box->widget();
    if (!contents)
        return;
    int right = 1, bottom = 1;
    for (QObject* child : contents->children()) {
        if (auto* w = qobject_cast<QWidget*>(child)) {
            right = std::max(right, w->geometry().right() + 1);
            bottom = std::max(bottom, w->geometry().bottom() + 1);
        }
    }
    contents->resize(right, bottom);
}

QtScrollBox::QtScrollBox(QScrollArea* box) : box_(box) {}

void QtScrollBox::setVertPosition(int value)
{
    box_->verticalScrollBar()->setValue(value);
}

void QtScrollBox::setHorzPosition(int value)
{
    box_->horizontalScrollBar()->setValue(value);
}

QtVisible::QtVisible(QWidget* widget) : widget_(widget) {}

void QtVisible::setVisible(bool visible)
{
    widget_->setVisible(visible);
}

bool QtVisible::isVisible() const
{
    return !widget_->isHidden();
}

} // namespace bw
