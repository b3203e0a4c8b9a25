#pragma once
// A window's activation handler, run once per window: on its first
// activation, or shortly after it is shown where the window system never
// activates windows (a bare X server without a window manager).
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/guard.h"
#include "platform/messageboxes_qt.h"

namespace bw {

class FirstActivation : public QObject {
public:
    FirstActivation(QWidget* window, std::function<void()> handler)
        : QObject(window), window_(window), handler_(std::move(handler))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == window_) {
            if (e->type() == QEvent::WindowActivate)
                fire();
            else if (e->type() == QEvent::Show)
                QTimer::singleShot(FallbackMs, this, [this] {
                    if (window_ && window_->isVisible())
                        fire();
                });
        }
        return false;
    }

private:
    // Long enough for a window manager to activate the window and report its
    // frame first.
    static constexpr int FallbackMs = 300;

    void fire()
    {
        // Once only: a message box opened by the handler hands the focus
        // back when it closes, which must not run the handler again.
        if (done_)
            return;
        done_ = true;
        // Runs inside a Qt event: nothing may escape it.
        QtMessageBoxes boxes(window_);
        runHandler(boxes, handler_);
    }

    QPointer<QWidget> window_;
    std::function<void()> handler_;
    bool done_ = false;
};

} // namespace bw
