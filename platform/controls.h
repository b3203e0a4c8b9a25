#pragma once
// The window's controls as the logic sees them. The Qt layer implements these
// with real widgets, the tests with plain in-memory controls. Texts are
// Windows-1252 bytes. A control whose change event matters (memo, scroll bar)
// runs its handler from inside the setter, the same way in both worlds.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace bw {

using ChangeHandler = std::function<void()>;

class IVisible {
public:
    virtual ~IVisible() = default;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
};

// One-line edit; also the masked date edit, whose text is its eight digit
// positions without the slashes, a blank where nothing was typed, trailing
// blanks removed ("" when nothing was typed).
class IEdit {
public:
    virtual ~IEdit() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

class ILabel {
public:
    virtual ~ILabel() = default;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

// Drop-down list with an editable text.
class IComboBox {
public:
    virtual ~IComboBox() = default;
    virtual int count() const = 0;
    // Index outside the list: "List index out of bounds (%d)".
    virtual std::string item(int index) const = 0;
    virtual void addItem(const std::string& text) = 0;
    // -1: no entry selected.
    virtual int itemIndex() const = 0;
    // An index that names no entry leaves the list without a selection.
    virtual void setItemIndex(int index) = 0;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

// Multi-line edit. Its lines are hard lines; every change of its text, the
// program's own included, runs the change handler.
class IMemo {
public:
    virtual ~IMemo() = default;
    virtual std::vector<std::string> lines() const = 0;
    virtual void clear() = 0;
    virtual void addLine(const std::string& line) = 0;
    virtual void setChangeHandler(ChangeHandler handler) = 0;
};

// Scroll bar. Setting the position (or a range that moves it) to a new value
// runs the change handler; setting the value it already has runs nothing.
class IScrollBar {
public:
    virtual ~IScrollBar() = default;
    virtual int min() const = 0;
    virtual int max() const = 0;
    virtual int position() const = 0;
    virtual void setMin(int value) = 0;
    virtual void setMax(int value) = 0;
    virtual void setPosition(int value) = 0;
    // Moves the thumb without running the handler (used to undo a failed move).
    virtual void setPositionSilently(int value) = 0;
    virtual void setFocus() = 0;
    virtual void setChangeHandler(ChangeHandler handler) = 0;
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// A picture control (the main window's beanimg). It owns the bitmap it shows.
class IPicture {
public:
    virtual ~IPicture() = default;
    // nullptr clears the picture.
    virtual void setBitmap(std::unique_ptr<Bitmap> bitmap) = 0;
    virtual const Bitmap* bitmap() const = 0;
    virtual void setBounds(const Rect& bounds) = 0;
    virtual Rect bounds() const = 0;
};

// The scrolling box around the picture.
class IScrollBox {
public:
    virtual ~IScrollBox() = default;
    virtual void setVertPosition(int value) = 0;
    virtual void setHorzPosition(int value) = 0;
};

} // namespace bw
