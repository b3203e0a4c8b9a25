#include "summaries/finform_qt.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QScreen>

#include "platform/activation_qt.h"
#include "platform/centre_qt.h"
#include "platform/controls_qt.h"
#include "platform/style_qt.h"

namespace bw {

namespace {
constexpr int ClientWidth = 400;
constexpr int ClientHeight = 307;

struct Row {
    const char* captionName;
    const char* caption;
};

// Top to bottom, in the order of the figures.
// clang-format off
constexpr Row Rows[FinanceFigureCount] = {
    {"Label1", "The least I paid for a Beanie was:"},
    {"Label7", "The average paid for a Beanie was:"},
    {"Label2", "The most I paid for a Beanie was:"},
    {"Label10", "I have paid this much for Beanies:"},
    {"Label3", "The least I sold a Beanie for was:"},
    {"Label8", "The average selling price is:"},
    {"Label4", "The most I sold a Beanie for was:"},
    {"Label11", "What I have made selling Beanies:"},
    {"Label5", "The lowest market value is:"},
    {"Label9", "The average market value is:"},
    {"Label6", "The highest market value is:"},
    {"Label12", "The value of what I have currently is:"},
};
// clang-format on

constexpr int GroupLeft = 8, GroupWidth = 384, GroupHeight = 74, GroupGap = 4, GroupTop = 8;
constexpr int RowHeight = 17;

void drawCoin(QPainter& p, QPointF centre, qreal rx, qreal ry)
{
    QRadialGradient shine(centre - QPointF(rx / 3, ry / 3), rx * 1.4);
    shine.setColorAt(0, QColor(255, 241, 160));
    shine.setColorAt(0.6, QColor(231, 182, 52));
    shine.setColorAt(1, QColor(176, 126, 22));
    p.setPen(QPen(QColor(128, 88, 10), 1));
    p.setBrush(shine);
    p.drawEllipse(centre, rx, ry);
    p.setPen(QPen(QColor(150, 104, 16, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, rx * 0.72, ry * 0.72);
}

// A low stack seen from the side: coins as flat ellipses on top of each other.
void drawStack(QPainter& p, qreal x, qreal bottom, int coins)
{
    for (int i = 0; i < coins; ++i)
        drawCoin(p, QPointF(x, bottom - i * 4.0), 13, 5);
}

void drawChest(QPainter& p, QRectF body)
{
    const QColor wood(133, 76, 34), woodDark(88, 47, 18), brass(214, 165, 50);
    // Open lid behind the body, leaning back.
    QPainterPath lid;
    lid.moveTo(body.left() + 4, body.top());
    lid.lineTo(body.left() - 2, body.top() - 18);
    lid.quadTo(body.center().x(), body.top() - 30, body.right() + 2, body.top() - 18);
    lid.lineTo(body.right() - 4, body.top());
    lid.closeSubpath();
    p.setPen(QPen(woodDark, 1.5));
    p.setBrush(QColor(112, 62, 26));
    p.drawPath(lid);
    // The treasure heaped in the opening.
    for (int i = 0; i < 7; ++i)
        drawCoin(p, QPointF(body.left() + 10 + i * 9, body.top() - 2 - (i % 3) * 3), 7, 4);
    drawCoin(p, QPointF(body.center().x(), body.top() - 9), 7, 4);
    // Planked body with brass bands and a lock.
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, wood.lighter(115));
    g.setColorAt(1, wood.darker(120));
    p.setPen(QPen(woodDark, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(body, 3, 3);
    p.setPen(QPen(woodDark, 1));
    for (qreal y = body.top() + body.height() / 3; y < body.bottom() - 2; y += body.height() / 3)
        p.drawLine(QPointF(body.left() + 2, y), QPointF(body.right() - 2, y));
    p.setPen(Qt::NoPen);
    p.setBrush(brass);
    p.drawRect(QRectF(body.left() + 10, body.top(), 6, body.height()));
    p.drawRect(QRectF(body.right() - 16, body.top(), 6, body.height()));
    const QRectF lock(body.center().x() - 6, body.top() + 4, 12, 14);
    p.setPen(QPen(QColor(128, 92, 20), 1));
    p.drawRoundedRect(lock, 2, 2);
    p.setBrush(QColor(40, 24, 8));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(lock.center().x(), lock.top() + 5), 2, 2);
    p.drawRect(QRectF(lock.center().x() - 1, lock.top() + 6, 2, 5));
}
} // namespace

QPixmap drawFinancesBackdrop()
{
    QPixmap pix(ClientWidth, ClientHeight);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    // A ledger page: warm paper, pale green rules, a red double margin.
    QLinearGradient paper(0, 0, 0, ClientHeight);
    paper.setColorAt(0, QColor(252, 247, 228));
    paper.setColorAt(1, QColor(240, 226, 186));
    p.fillRect(pix.rect(), paper);
    p.setPen(QPen(QColor(150, 190, 160, 140), 1));
    for (int y = 14; y < ClientHeight; y += 12)
        p.drawLine(0, y, ClientWidth, y);
    p.setPen(QPen(QColor(200, 90, 80, 150), 1));
    p.drawLine(QPointF(ClientWidth - 114.5, 0), QPointF(ClientWidth - 114.5, ClientHeight));
    p.drawLine(QPointF(ClientWidth - 111.5, 0), QPointF(ClientWidth - 111.5, ClientHeight));

    // The foot of the page, below the groups: a chest on the left, stacks of
    // coins on the right.
    drawChest(p, QRectF(24, 272, 78, 29));
    drawStack(p, 300, 298, 5);
    drawStack(p, 330, 298, 8);
    drawStack(p, 360, 298, 3);
    drawCoin(p, QPointF(378, 280), 9, 9);
    return pix;
}

Tfinform::Tfinform(QWidget* owner, const FinanceFigures& figures)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), figures_(figures)
{
    useOwnLook(this);
    setObjectName("finform");
    setWindowTitle("A brief look at finances -- ");
    setFixedSize(ClientWidth, ClientHeight);

    auto* backdrop = new QLabel(this);
    backdrop->setObjectName("Image1");
    backdrop->setGeometry(0, 0, ClientWidth, ClientHeight);
    backdrop->setPixmap(drawFinancesBackdrop());

    for (int group = 0; group < 3; ++group) {
        const int top = GroupTop + group * (GroupHeight + GroupGap);
        auto* frame = new QFrame(this);
        frame->setObjectName(QString("Shape%1").arg(group + 1));
        frame->setGeometry(GroupLeft, top, GroupWidth, GroupHeight);
        // A light wash keeps the rows readable over the ruled paper.
        frame->setStyleSheet(
            "QFrame { border: 1px solid rgb(90, 60, 30); background: rgba(255, 255, 250, 170); }");
        for (int r = 0; r < 4; ++r) {
            const int i = group * 4 + r;
            const int y = top + 4 + r * RowHeight;
            auto* caption = new QLabel(QString::fromLatin1(Rows[i].caption), this);
            caption->setObjectName(Rows[i].captionName);
            caption->setFont(formFont(true));
            caption->setGeometry(GroupLeft + 8, y, 262, RowHeight - 2);
            auto* value = new QLabel(this);
            value->setObjectName(QString("Label%1").arg(13 + i));
            value->setTextFormat(Qt::PlainText);
            value->setFont(formFont(false));
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setGeometry(GroupLeft + 274, y, 100, RowHeight - 2);
            values_[static_cast<std::size_t>(i)] = value;
        }
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BitBtn1");
    ok->setFont(formFont(false));
    ok->setGeometry((ClientWidth - 75) / 2, 264, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    centreOnScreen(this, owner, QSize(ClientWidth, ClientHeight));
    new FirstActivation(this, [this] { FormActivate(); });
}

void Tfinform::FormActivate()
{
    const auto texts = financeTexts(figures_);
    for (std::size_t i = 0; i < texts.size(); ++i)
        values_[i]->setText(QString::fromLatin1(texts[i]));
}

void Tfinform::BitBtn1Click()
{
    accept();
}

void showFinancesWindow(QWidget* owner, const std::array<float, 12>& figures)
{
    Tfinform finform(owner, figures);
    finform.exec();
}

} // namespace bw
