#pragma once
// A user's keys and mouse, as events sent to real widgets. Mouse events go to
// the widget under the point, as on screen, and travel up to its parents when
// it does not take them.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace bw::test {

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void mouseMove(QWidget* w, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, at, button);
}

inline void release(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, at, button);
}

inline void click(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    press(w, at, button);
    release(w, at, button);
}

inline void doubleClick(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    click(w, at, button);
    sendMouse(w, QEvent::MouseButtonDblClick, at, button);
    release(w, at, button);
}

// The deepest widget of the window at a point of its client area, and the
// point in that widget.
inline QWidget* widgetAt(QWidget* window, QPoint at, QPoint& local)
{
    QWidget* w = window->childAt(at);
    if (!w)
        w = window;
    local = w->mapFrom(window, at);
    return w;
}

enum class Gesture { Press, Click, DoubleClick };

inline void mouseAt(QWidget* window, QPoint at, Gesture g, Qt::MouseButton button = Qt::LeftButton)
{
    QPoint local;
    QWidget* w = widgetAt(window, at, local);
    switch (g) {
    case Gesture::Press:
        press(w, local, button);
        release(w, local, button);
        break;
    case Gesture::Click:
        click(w, local, button);
        break;
    case Gesture::DoubleClick:
        doubleClick(w, local, button);
        break;
    }
}

// The wheel turned over the middle of a widget; a notch is 120, negative
// turns it towards the user.
inline void wheel(QWidget* w, int delta)
{
    const QPoint at = w->rect().center();
    QWheelEvent e(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

inline void key(QWidget* w, QEvent::Type type, int code, const QString& text = {})
{
    QKeyEvent e(type, code, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

inline void keyTap(QWidget* w, int code, const QString& text = {})
{
    key(w, QEvent::KeyPress, code, text);
    key(w, QEvent::KeyRelease, code, text);
}

inline void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        const int code = c.toUpper().unicode() < 0x80 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        keyTap(w, code, QString(c));
    }
}

inline void tapReturn(QWidget* w)
{
    keyTap(w, Qt::Key_Return, QStringLiteral("\r"));
}

} // namespace bw::test
