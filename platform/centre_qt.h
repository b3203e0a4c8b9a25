#pragma once
// Places a window of the given size in the middle of its owner's screen (the
// primary screen when it has no owner).
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace bw {

inline void centreOnScreen(QWidget* window, const QWidget* owner, QSize size)
{
    const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2);
}

} // namespace bw
