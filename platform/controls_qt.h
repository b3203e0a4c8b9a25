#pragma once
// The logic's controls over real widgets. Texts cross here, and only here,
// between Windows-1252 bytes and Qt's Unicode.
//
// Change handlers: a change the program makes (a setter called by the logic)
// runs the handler directly, so an error travels back into the logic handler
// that made the change, as with the in-memory controls. A change the user
// makes runs the handler through runHandler: its error is shown and the
// program goes on.
#include <QFont>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QValidator>
#include <memory>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/textgate_qt.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QWidget;

namespace bw {

// The form font: Liberation Sans at 11 pixels, the height of the classic
// 8 point dialog font.
QFont formFont(bool bold = false);

class QtEdit : public IEdit {
public:
    explicit QtEdit(QLineEdit* edit);
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    QLineEdit* edit_;
    int typingLimit_ = -1;
};

// The masked date edit "99/99/9999" with blanks shown as spaces. Its text is
// the eight digit positions without the slashes, a blank where nothing was
// typed, trailing blanks removed.
class QtDateEdit : public IEdit {
public:
    explicit QtDateEdit(QLineEdit* edit);
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    QLineEdit* edit_;
};

class QtLabel : public ILabel {
public:
    explicit QtLabel(QLabel* label);
    std::string caption() const override;
    void setCaption(const std::string& caption) override;

private:
    QLabel* label_;
};

// An editable QComboBox that never inserts by itself and never completes,
// and that a wheel turned over it changes only while the user is in it.
class QtComboBox : public IComboBox {
public:
    explicit QtComboBox(QComboBox* combo);
    int count() const override;
    std::string item(int index) const override;
    void addItem(const std::string& text) override;
    int itemIndex() const override;
    void setItemIndex(int index) override;
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    void showStart();
    QComboBox* combo_;
};

class QtMemo : public IMemo {
public:
    QtMemo(QPlainTextEdit* memo, IMessageBoxes& boxes);
    ~QtMemo() override;
    QtMemo(const QtMemo&) = delete;
    QtMemo& operator=(const QtMemo&) = delete;

    std::vector<std::string> lines() const override;
    void clear() override;
    void addLine(const std::string& line) override;
    void setChangeHandler(ChangeHandler handler) override;

private:
    void setLines(const std::vector<QString>& lines);
    std::vector<QString> qtLines() const;

    QPlainTextEdit* memo_;
    IMessageBoxes& boxes_;
    ChangeHandler handler_;
    QMetaObject::Connection userEdits_;
};

// A scroll bar of the classic kind: a thumb of fixed size (no page size),
// arrow keys that move it the way they point (Qt turns them round for
// wheel-friendly scroll bars), a click on the track or Page Up/Down moving
// one step like an arrow, and no context menu. A press on it ends when a
// modal box blocks its window, so nothing moves it behind the box.
class ScrollBarWidget : public QScrollBar {
public:
    explicit ScrollBarWidget(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A frame while it has the focus, which styles hardly draw on a bar.
    void paintEvent(QPaintEvent* event) override;

private:
    void endPress();
};

class QtScrollBar : public IScrollBar {
public:
    QtScrollBar(QScrollBar* bar, IMessageBoxes& boxes);
    ~QtScrollBar() override;
    QtScrollBar(const QtScrollBar&) = delete;
    QtScrollBar& operator=(const QtScrollBar&) = delete;

    int min() const override;
    int max() const override;
    int position() const override;
    void setMin(int value) override;
    void setMax(int value) override;
    void setPosition(int value) override;
    void setPositionSilently(int value) override;
    void setFocus() override;
    void setChangeHandler(ChangeHandler handler) override;

private:
    void userMoved(int value);
    void setSilently(int value);
    void runIfMoved(int before);

    QScrollBar* bar_;
    IMessageBoxes& boxes_;
    ChangeHandler handler_;
    QMetaObject::Connection userMoves_;
    // The position the handler last saw, and where the user is heading.
    int settled_ = 0;
    int target_ = 0;
    bool stepping_ = false;
};

// beanimg: a QLabel showing its bitmap unscaled, placed inside the contents
// widget of the scroll box, which it keeps large enough to scroll to it.
class QtPicture : public IPicture {
public:
    QtPicture(QLabel* image, QScrollArea* box);
    void setBitmap(std::unique_ptr<Bitmap> bitmap) override;
    const Bitmap* bitmap() const override;
    void setBounds(const Rect& bounds) override;
    Rect bounds() const override;

private:
    QLabel* image_;
    QScrollArea* box_;
    std::unique_ptr<Bitmap> bitmap_;
};

// The contents of a scroll box reach as far as its farthest child.
void fitScrollContents(QScrollArea* box);

class QtScrollBox : public IScrollBox {
public:
    explicit QtScrollBox(QScrollArea* box);
    void setVertPosition(int value) override;
    void setHorzPosition(int value) override;

private:
    QScrollArea* box_;
};

class QtVisible : public IVisible {
public:
    explicit QtVisible(QWidget* widget);
    void setVisible(bool visible) override;
    bool isVisible() const override;

private:
    QWidget* widget_;
};

} // namespace bw
