#include "app/artwork_qt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace bw {

namespace {

QPixmap blank(int w, int h)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
}

void drawChest(QPainter& p)
{
    const QColor outline(0x4a, 0x2a, 0x10);
    const QColor gold(0xe8, 0xb8, 0x20);
    p.setPen(QPen(outline, 1));
    // Gold spilling over the rim.
    p.setBrush(gold);
    p.drawEllipse(QRectF(8, 7, 6, 4));
    p.drawEllipse(QRectF(13, 5.5, 6, 4));
    p.drawEllipse(QRectF(18, 7, 6, 4));
    // Lid, raised a little.
    QPainterPath lid;
    lid.moveTo(3, 15);
    lid.cubicTo(3, 7, 29, 7, 29, 15);
    lid.closeSubpath();
    p.setBrush(QColor(0xa8, 0x5c, 0x2a));
    p.drawPath(lid);
    // Body with its planks.
    p.setBrush(QColor(0x8b, 0x4f, 0x22));
    p.drawRect(QRectF(3, 15, 26, 13));
    p.setPen(QPen(QColor(0x5e, 0x34, 0x14), 1));
    p.drawLine(QPointF(4, 20), QPointF(28, 20));
    p.drawLine(QPointF(4, 24.5), QPointF(28, 24.5));
    // Bands and lock.
    p.setPen(QPen(outline, 0.8));
    p.setBrush(gold);
    p.drawRect(QRectF(6.5, 10, 3, 18));
    p.drawRect(QRectF(22.5, 10, 3, 18));
    p.drawRect(QRectF(13.5, 13, 5, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(15.2, 14.6, 1.6, 1.6));
    p.drawRect(QRectF(15.6, 15.8, 0.8, 2));
}

void drawSilhouette(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(9.5, 2.5, 13, 15));
    QPainterPath body;
    body.moveTo(3, 31);
    body.cubicTo(3, 22, 9, 19.5, 13, 18.5);
    body.lineTo(19, 18.5);
    body.cubicTo(23, 19.5, 29, 22, 29, 31);
    body.closeSubpath();
    p.drawPath(body);
}

void drawFolder(QPainter& p)
{
    const QColor outline(0x8a, 0x64, 0x08);
    p.setPen(QPen(outline, 1));
    QPainterPath back;
    back.moveTo(2, 27);
    back.lineTo(2, 7);
    back.lineTo(11, 7);
    back.lineTo(13.5, 10);
    back.lineTo(29, 10);
    back.lineTo(29, 27);
    back.closeSubpath();
    p.setBrush(QColor(0xe0, 0xa8, 0x20));
    p.drawPath(back);
    // A sheet of paper peeking out.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 11.5, 21, 6));
    QPolygonF front;
    front << QPointF(5, 14) << QPointF(31, 14) << QPointF(28.5, 27) << QPointF(2, 27);
    QLinearGradient shade(0, 14, 0, 27);
    shade.setColorAt(0, QColor(0xff, 0xe0, 0x60));
    shade.setColorAt(1, QColor(0xf2, 0xbe, 0x2c));
    p.setBrush(shade);
    p.drawPolygon(front);
}

void drawBomb(QPainter& p)
{
    // Fuse and spark first, so the ball covers the fuse's root.
    p.setPen(QPen(QColor(0x7a, 0x55, 0x30), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath fuse;
    fuse.moveTo(21, 9);
    fuse.cubicTo(23, 4, 26, 7, 27, 3.5);
    p.drawPath(fuse);
    p.setPen(QPen(QColor(0xff, 0x80, 0x00), 1.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF spark(27.5, 3);
    for (int i = 0; i < 8; ++i) {
        const qreal len = i % 2 ? 2.0 : 3.2;
        QPointF d(len, 0);
        QTransform t;
        t.rotate(i * 45.0);
        p.drawLine(spark, spark + t.map(d));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf0, 0x40));
    p.drawEllipse(spark, 1.3, 1.3);
    // Cap and ball.
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.save();
    p.translate(19.5, 10.5);
    p.rotate(45);
    p.drawRect(QRectF(-3, -2.5, 6, 5));
    p.restore();
    QRadialGradient ball(QPointF(10.5, 15), 13);
    ball.setColorAt(0, QColor(0x70, 0x70, 0x78));
    ball.setColorAt(0.35, QColor(0x28, 0x28, 0x2e));
    ball.setColorAt(1, QColor(0x05, 0x05, 0x08));
    p.setBrush(ball);
    p.drawEllipse(QPointF(14, 19.5), 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QRectF(8, 13, 4, 3));
}

// A small beige monitor with a blue screen; r is its outer rectangle.
void drawMonitor(QPainter& p, const QRectF& r)
{
    const QColor beige(0xdc, 0xd4, 0xbc);
    const QColor outline(0x55, 0x50, 0x44);
    p.setPen(QPen(outline, 1));
    p.setBrush(beige);
    const qreal standW = r.width() * 0.3;
    p.drawRect(QRectF(r.center().x() - standW / 2, r.bottom() - 4, standW, 2.5));
    p.drawRect(QRectF(r.center().x() - standW, r.bottom() - 1.5, standW * 2, 1.5));
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() - 4), 1.5, 1.5);
    QRectF screen(r.left() + 2.5, r.top() + 2.5, r.width() - 5, r.height() - 10);
    QLinearGradient glow(screen.topLeft(), screen.bottomRight());
    glow.setColorAt(0, QColor(0x3a, 0x6e, 0xd8));
    glow.setColorAt(1, QColor(0x12, 0x2a, 0x78));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.8));
    p.setBrush(glow);
    p.drawRect(screen);
    p.setPen(QPen(QColor(0xc8, 0xe0, 0xff), 0.8));
    p.drawLine(QPointF(screen.left() + 2, screen.top() + 2.5),
               QPointF(screen.right() - 4, screen.top() + 2.5));
    p.drawLine(QPointF(screen.left() + 2, screen.top() + 5), QPointF(screen.right() - 7, screen.top() + 5));
}

void drawComputerWithFloppy(QPainter& p)
{
    drawMonitor(p, QRectF(2, 2, 24, 23));
    // The floppy disk in front.
    p.setPen(QPen(Qt::black, 0.8));
    QPainterPath disk;
    disk.moveTo(16, 17);
    disk.lineTo(29, 17);
    disk.lineTo(31, 19);
    disk.lineTo(31, 31);
    disk.lineTo(16, 31);
    disk.closeSubpath();
    p.setBrush(QColor(0x24, 0x24, 0x60));
    p.drawPath(disk);
    p.setBrush(QColor(0xc8, 0xc8, 0xcc));
    p.drawRect(QRectF(19.5, 17, 8, 5));
    p.setBrush(QColor(0x24, 0x24, 0x60));
    p.drawRect(QRectF(24.5, 18, 2, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18.5, 24.5, 10.5, 6.5));
    p.setPen(QPen(QColor(0xd0, 0x30, 0x30), 0.7));
    p.drawLine(QPointF(19.5, 26.5), QPointF(28, 26.5));
}

void drawCrystalBall(QPainter& p)
{
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x10), 0.8));
    QPolygonF stand;
    stand << QPointF(9, 24) << QPointF(23, 24) << QPointF(27, 30.5) << QPointF(5, 30.5);
    QLinearGradient wood(0, 24, 0, 31);
    wood.setColorAt(0, QColor(0xc0, 0x80, 0x30));
    wood.setColorAt(1, QColor(0x7a, 0x46, 0x14));
    p.setBrush(wood);
    p.drawPolygon(stand);
    QRadialGradient glass(QPointF(12, 10), 15);
    glass.setColorAt(0, QColor(0xf4, 0xfc, 0xff));
    glass.setColorAt(0.45, QColor(0x9c, 0xc8, 0xf0));
    glass.setColorAt(1, QColor(0x50, 0x40, 0xb0));
    p.setPen(QPen(QColor(0x30, 0x28, 0x70), 0.8));
    p.setBrush(glass);
    p.drawEllipse(QPointF(16, 14), 11.5, 11.5);
    // Mist and a glint.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRectF(11, 15, 12, 4));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QRectF(9, 7, 5, 3.5));
}

void drawComputerWithPrinter(QPainter& p)
{
    drawMonitor(p, QRectF(1, 1, 20, 19));
    const QColor outline(0x40, 0x40, 0x44);
    // Paper going in at the back, the printer, paper coming out at the front.
    p.setPen(QPen(outline, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 12, 12, 8));
    p.setBrush(QColor(0xb8, 0xb8, 0xbe));
    p.drawRoundedRect(QRectF(11, 18, 20, 9), 1.5, 1.5);
    p.setBrush(QColor(0x80, 0x80, 0x88));
    p.drawRect(QRectF(14, 21, 14, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(15, 25, 12, 6));
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.6));
    p.drawLine(QPointF(16.5, 27), QPointF(25.5, 27));
    p.drawLine(QPointF(16.5, 29), QPointF(23, 29));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0xc0, 0x30));
    p.drawEllipse(QPointF(28.5, 20), 0.9, 0.9);
}

void drawQuestionMark(QPainter& p)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(34);
    QPainterPath mark;
    mark.addText(0, 0, f, QStringLiteral("?"));
    const QRectF b = mark.boundingRect();
    mark.translate(16 - b.center().x(), 16 - b.center().y());
    p.setPen(QPen(QColor(0x6a, 0x50, 0x00), 1.6));
    QLinearGradient shine(0, 0, 0, 32);
    shine.setColorAt(0, QColor(0xff, 0xf2, 0x70));
    shine.setColorAt(1, QColor(0xf0, 0xb4, 0x00));
    p.setBrush(shine);
    p.drawPath(mark);
}

} // namespace

QPixmap notepadSheet()
{
    const int w = 640, h = 480;
    QPixmap pm(w, h);
    pm.fill(QColor(0xff, 0xf4, 0x9c));
    QPainter p(&pm);
    p.setPen(QPen(QColor(0x80, 0xa8, 0xe0), 1));
    for (int y = 46; y < h; y += 22)
        p.drawLine(0, y, w, y);
    p.setPen(QPen(QColor(0xe0, 0x50, 0x50), 1));
    p.drawLine(302, 0, 302, h);
    p.drawLine(305, 0, 305, h);
    // Punched holes show the silver desk underneath.
    smooth(p);
    for (int y : {120, 400}) {
        p.setPen(QPen(QColor(0xb0, 0xa0, 0x50), 1));
        p.setBrush(QColor(0xc0, 0xc0, 0xc0));
        p.drawEllipse(QPointF(13, y), 7, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x90, 0x90, 0x90));
        p.drawChord(QRectF(6, y - 7, 14, 14), 30 * 16, 120 * 16);
    }
    return pm;
}

QPixmap buttonIcon(ButtonIcon icon)
{
    QPixmap pm = blank(32, 32);
    QPainter p(&pm);
    smooth(p);
    switch (icon) {
    case ButtonIcon::TreasureChest:
        drawChest(p);
        break;
    case ButtonIcon::Silhouette:
        drawSilhouette(p);
        break;
    case ButtonIcon::Folder:
        drawFolder(p);
        break;
    case ButtonIcon::Bomb:
        drawBomb(p);
        break;
    case ButtonIcon::ComputerWithFloppy:
        drawComputerWithFloppy(p);
        break;
    case ButtonIcon::CrystalBall:
        drawCrystalBall(p);
        break;
    case ButtonIcon::ComputerWithPrinter:
        drawComputerWithPrinter(p);
        break;
    case ButtonIcon::QuestionMark:
        drawQuestionMark(p);
        break;
    }
    return pm;
}

QImage roosterImage(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    smooth(p);
    // Drawn on a 64 by 64 grid.
    p.scale(size / 64.0, size / 64.0);
    const QColor ink(0x2a, 0x18, 0x08);

    // Sickle feathers of the tail.
    const QColor tails[] = {QColor(0x10, 0x40, 0x30), QColor(0x18, 0x28, 0x50), QColor(0x20, 0x60, 0x40)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath f;
        f.moveTo(24, 40 - i * 2);
        f.cubicTo(10 - i * 2, 34 - i * 6, 4 + i * 2, 18 - i * 4, 12 + i * 3, 6 + i * 3);
        f.cubicTo(12 + i * 2, 18 - i * 2, 20, 28, 30, 34);
        f.closeSubpath();
        p.setPen(QPen(ink, 1));
        p.setBrush(tails[i]);
        p.drawPath(f);
    }
    // Legs and feet.
    p.setPen(QPen(QColor(0xe0, 0xa0, 0x10), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(31, 48), QPointF(29, 59));
    p.drawLine(QPointF(39, 48), QPointF(41, 59));
    p.setPen(QPen(QColor(0xe0, 0xa0, 0x10), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {29.0, 41.0}) {
        p.drawLine(QPointF(x, 59), QPointF(x - 4, 61));
        p.drawLine(QPointF(x, 59), QPointF(x + 4, 61));
        p.drawLine(QPointF(x, 59), QPointF(x, 62));
    }
    // Body.
    p.setPen(QPen(ink, 1));
    QRadialGradient chest(QPointF(40, 34), 20);
    chest.setColorAt(0, QColor(0xd8, 0x70, 0x28));
    chest.setColorAt(1, QColor(0x90, 0x30, 0x10));
    p.setBrush(chest);
    p.drawEllipse(QPointF(34, 38), 15, 12);
    // Golden neck hackles up to the head.
    QPainterPath neck;
    neck.moveTo(33, 30);
    neck.cubicTo(36, 20, 38, 16, 42, 12);
    neck.lineTo(50, 16);
    neck.cubicTo(49, 24, 50, 30, 47, 36);
    neck.closeSubpath();
    p.setBrush(QColor(0xe8, 0xa0, 0x30));
    p.drawPath(neck);
    // Wing.
    QPainterPath wing;
    wing.moveTo(26, 36);
    wing.cubicTo(30, 30, 42, 32, 44, 38);
    wing.cubicTo(38, 46, 30, 45, 26, 36);
    p.setBrush(QColor(0x7a, 0x28, 0x0c));
    p.drawPath(wing);
    // Head, comb, beak, wattle, eye.
    p.setBrush(QColor(0xe8, 0xa0, 0x30));
    p.drawEllipse(QPointF(46, 13), 6.5, 6);
    p.setBrush(QColor(0xe0, 0x20, 0x20));
    p.drawEllipse(QPointF(41.5, 6.5), 3, 3);
    p.drawEllipse(QPointF(45.5, 4.5), 3.2, 3.2);
    p.drawEllipse(QPointF(49.5, 6), 3, 3);
    QPainterPath wattle;
    wattle.moveTo(49, 18);
    wattle.cubicTo(47, 24, 53, 26, 52, 18);
    wattle.closeSubpath();
    p.drawPath(wattle);
    p.setBrush(QColor(0xf4, 0xc8, 0x20));
    QPolygonF beak;
    beak << QPointF(51.5, 11.5) << QPointF(59, 14.5) << QPointF(51.5, 17);
    p.drawPolygon(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(47.5, 12), 1.3, 1.3);
    return img;
}

QIcon roosterIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(roosterImage(size)));
    return icon;
}

QPixmap okGlyph()
{
    QPixmap pm = blank(16, 16);
    QPainter p(&pm);
    smooth(p);
    p.setPen(QPen(QColor(0x10, 0x90, 0x20), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF tick;
    tick << QPointF(2.5, 8.5) << QPointF(6.5, 12.5) << QPointF(13.5, 3.5);
    p.drawPolyline(tick);
    return pm;
}

QPixmap cancelGlyph()
{
    QPixmap pm = blank(16, 16);
    QPainter p(&pm);
    smooth(p);
    p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return pm;
}

} // namespace bw
