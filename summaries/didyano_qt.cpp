#include "summaries/didyano_qt.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/activation_qt.h"
#include "platform/centre_qt.h"
#include "platform/guard.h"
#include "platform/style_qt.h"
#include "platform/text_qt.h"
#include "summaries/didyouknow.h"

namespace bw {

namespace {
constexpr int ClientWidth = 373;
constexpr int ClientHeight = 229;

// Times New Roman's metric twin, so wrapped facts break where they did.
QFont serif(int pixels, bool bold, bool italic)
{
    QFont f("Liberation Serif");
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}
} // namespace

Tdidyano::Tdidyano(QWidget* owner, Path appDir, IMessageBoxes& boxes, std::function<std::time_t()> clock)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), appDir_(std::move(appDir)),
      boxes_(boxes), clock_(clock ? std::move(clock) : std::function<std::time_t()>(factClock))
{
    useOwnLook(this);
    setObjectName("didyano");
    setWindowTitle("Amazing Info!");
    setFixedSize(ClientWidth, ClientHeight);

    auto* title = new QLabel("Did you know?", this);
    title->setObjectName("Label1");
    title->setFont(serif(27, true, true));
    QPalette navy = title->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    title->setPalette(navy);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setGeometry(0, 2, ClientWidth, 34);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(2, 38, 369, 157);

    alabel_ = new QLabel(panel);
    alabel_->setObjectName("alabel");
    alabel_->setTextFormat(Qt::PlainText);
    alabel_->setFont(serif(16, false, false));
    alabel_->setWordWrap(true);
    // Top-aligned in a fixed box: a fact too long to fit is cut at the foot.
    alabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    alabel_->setGeometry((369 - 307) / 2, (157 - 113) / 2, 307, 113);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BitBtn1");
    ok->setGeometry((ClientWidth - 75) / 2, 200, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    centreOnScreen(this, owner, QSize(ClientWidth, ClientHeight));
    // The error box of a missing a2.pvd hands the focus back when it closes;
    // the fact is picked once per showing all the same.
    new FirstActivation(this, [this] { FormActivate(); });
}

void Tdidyano::FormActivate()
{
    runHandler(boxes_, [this] { alabel_->setText(fromAnsi(chooseFact(appDir_, clock_()))); });
}

void Tdidyano::BitBtn1Click()
{
    accept();
}

void showDidYouKnowWindow(QWidget* owner, const Path& appDir, IMessageBoxes& boxes)
{
    Tdidyano didyano(owner, appDir, boxes);
    didyano.exec();
}

} // namespace bw
