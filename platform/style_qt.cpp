#include "platform/style_qt.h"

#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

#include "platform/controls_qt.h"

namespace bw {

QColor infoColour()
{
    return QColor(0xff, 0xff, 0xe1);
}
QColor windowColour()
{
    return QColor(Qt::white);
}
QColor faceColour()
{
    return QColor(0xf0, 0xf0, 0xf0);
}
QColor silverColour()
{
    return QColor(0xc0, 0xc0, 0xc0);
}

QPalette ownPalette()
{
    const QColor black(Qt::black), face = faceColour();
    QPalette p(black, face, QColor(Qt::white), QColor(0x69, 0x69, 0x69), QColor(0xa0, 0xa0, 0xa0), black,
               QColor(Qt::white), windowColour(), face);
    p.setColor(QPalette::Midlight, QColor(0xe3, 0xe3, 0xe3));
    p.setColor(QPalette::Shadow, black);
    p.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7));
    p.setColor(QPalette::ToolTipBase, infoColour());
    p.setColor(QPalette::ToolTipText, black);
    p.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xd7));
    p.setColor(QPalette::HighlightedText, QColor(Qt::white));
    p.setColor(QPalette::Link, QColor(0x00, 0x00, 0xee));
    p.setColor(QPalette::LinkVisited, QColor(0x55, 0x1a, 0x8b));
    const QColor grey(0x6d, 0x6d, 0x6d);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, grey);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xcc, 0xcc, 0xcc));
    return p;
}

QFont listFont()
{
    QFont f = formFont();
    f.setStretch(90);
    return f;
}

QStyle* ownStyle()
{
    // Fusion is built into Qt and drawn the same on every desktop.
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(qApp);
        // Hints are drawn by one window the whole program shares.
        QToolTip::setPalette(ownPalette());
        QToolTip::setFont(formFont());
    }
    return style;
}

namespace {

// Hands the style to every widget of a window as it is polished: widgets
// made later (a list's drop-down, a menu, an edit's context menu) included.
constexpr const char* AdoptedMark = "bwOwnLook";

class LookKeeper : public QObject {
public:
    using QObject::QObject;

    void adopt(QWidget* w)
    {
        if (w->isWindow() && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip))
            return; // another window of its own: a message box follows the desktop
        // Once is enough: its later children arrive through its own filter.
        if (w->property(AdoptedMark).toBool())
            return;
        w->setProperty(AdoptedMark, true);
        if (w->isWindow()) {
            // A popup does not take its parent's palette and font by itself.
            w->setPalette(ownPalette());
            w->setFont(formFont());
        }
        if (w->style() != ownStyle())
            w->setStyle(ownStyle());
        w->installEventFilter(this);
        for (QObject* child : w->children())
            if (child->isWidgetType())
                adopt(static_cast<QWidget*>(child));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildPolished) {
            // Only a polished child is a whole widget.
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType())
                adopt(static_cast<QWidget*>(child));
        } else if (event->type() == QEvent::Polish && watched->isWidgetType()) {
            for (QObject* child : watched->children())
                if (child->isWidgetType())
                    adopt(static_cast<QWidget*>(child));
        }
        return false;
    }
};

} // namespace

void useOwnLook(QWidget* window)
{
    window->setStyle(ownStyle());
    window->setPalette(ownPalette());
    window->setFont(formFont());
    auto* keeper = new LookKeeper(window);
    window->installEventFilter(keeper);
}

} // namespace bw
