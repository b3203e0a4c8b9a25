#include "pictures/upclose_qt.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>

#include "pictures/closeup.h"
#include "platform/activation_qt.h"
#include "platform/bitmap_qt.h"
#include "platform/style_qt.h"

namespace bw {

namespace {
// The picture control: a left click on it is Image1Click.
class ClickLabel : public QLabel {
public:
    ClickLabel(QWidget* parent, Tupclose* form) : QLabel(parent), form_(form) {}

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        pressed_ = e->button() == Qt::LeftButton;
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool click =
            pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
        pressed_ = false;
        e->accept();
        if (click)
            form_->Image1Click();
    }

private:
    Tupclose* form_;
    bool pressed_ = false;
};
} // namespace

Tupclose::Tupclose(QWidget* owner, const Bitmap* picture)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      source_(picture)
{
    useOwnLook(this);
    setObjectName("upclose");
    setWindowTitle("Here I am, up close and personal...");
    // A picture larger than the window is reached by scrolling.
    scroller_ = new QScrollArea(this);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidgetResizable(false);
    content_ = new QWidget;
    image1_ = new ClickLabel(content_, this);
    image1_->setObjectName("Image1");
    image1_->setToolTip("I'll go away if you click me");
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image1_->setGeometry(0, 2, 99, 95);
    content_->resize(99, 97);
    scroller_->setWidget(content_);
    setFixedSize(99 + 10, 95 + 30);
    scroller_->setGeometry(rect());
    // Sized when active: by then the window system has reported its frame.
    new FirstActivation(this, [this] { FormActivate(); });
}

void Tupclose::FormActivate()
{
    // The close-up keeps its own copy of the picture.
    const QImage picture = QtBitmap::imageOf(source_);
    image1_->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));

    const QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = scr ? scr->geometry() : QRect(0, 0, 640, 480);
    const CloseupLayout layout =
        closeupLayout(picture.width(), picture.height(), area.width(), area.height());
    const Rect& img = layout.image;
    image1_->setGeometry(img.left, img.top, img.width, img.height);
    content_->resize(img.left + img.width, img.top + img.height);

    // The rule gives the outer size. The frame is the window system's: where
    // it reports one, the client area is what is left inside it; where it
    // does not (yet), the frame is taken as 10 by 30.
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    const bool frameKnown = !frame.isNull();
    const int clientW = layout.window.width - (frameKnown ? frame.left() + frame.right() : 10);
    const int clientH = layout.window.height - (frameKnown ? frame.top() + frame.bottom() : 30);
    setFixedSize(clientW, clientH);
    scroller_->setGeometry(rect());
    // A window's position is that of its frame.
    move(area.left() + layout.window.left, area.top() + layout.window.top);
}

void Tupclose::Image1Click()
{
    close();
}

void showCloseupWindow(QWidget* owner, const Bitmap* picture)
{
    {
        Tupclose upclose(owner, picture);
        upclose.exec();
    }
    // Let the main window repaint where the close-up was.
    QCoreApplication::processEvents();
}

} // namespace bw
