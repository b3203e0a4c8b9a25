#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>

#include "pictures/upclose_qt.h"
#include "platform/bitmap_qt.h"
#include "summaries/didyano_qt.h"
#include "summaries/didyouknow.h"
#include "summaries/finform_qt.h"
#include "tests/harness.h"

namespace bw {
namespace {

// Shows the window and waits until the window system makes it active.
void showActive(QWidget& w)
{
    w.show();
    QElapsedTimer timer;
    timer.start();
    while (!w.isActiveWindow() && timer.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    ASSERT_TRUE(w.isActiveWindow());
}

QImage picture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    return image;
}

// The outer size: the frame where the window system reports one, otherwise
// the client area plus the 10 by 30 the rule allows for it.
QSize outerSize(const QWidget& w)
{
    const bool frameKnown = w.frameGeometry() != w.geometry();
    return frameKnown ? w.frameGeometry().size() : w.size() + QSize(10, 30);
}

struct CloseupCase {
    int picW, picH;
    QSize image, window;
    bool scrolls;
};

class QtCloseup : public ::testing::TestWithParam<CloseupCase> {};

TEST_P(QtCloseup, SizesItselfByTheRuleAndCentres)
{
    const auto& c = GetParam();
    QtBitmap bitmap(c.picW > 0 ? picture(c.picW, c.picH) : QImage());
    Tupclose w(nullptr, &bitmap);
    showActive(w);

    EXPECT_EQ(w.windowTitle(), "Here I am, up close and personal...");
    EXPECT_EQ(w.image1()->geometry(), QRect(QPoint(0, 2), c.image));
    EXPECT_EQ(w.image1()->toolTip(), "I'll go away if you click me");
    EXPECT_EQ(outerSize(w), c.window);
    EXPECT_EQ(w.minimumSize(), w.maximumSize()); // fixed border
    const QRect screen = w.screen()->geometry();
    EXPECT_EQ(w.frameGeometry().topLeft(),
              QPoint(screen.width() / 2 - c.window.width() / 2, screen.height() / 2 - c.window.height() / 2));
    auto* scroller = w.findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->horizontalScrollBar()->maximum() > 0, c.scrolls);
    if (c.picW > 0) {
        ASSERT_FALSE(w.image1()->pixmap().isNull());
        EXPECT_EQ(w.image1()->pixmap().size(), QSize(c.picW, c.picH));
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, QtCloseup,
                         ::testing::Values(CloseupCase{0, 0, {99, 95}, {109, 125}, false},
                                           CloseupCase{200, 150, {200, 150}, {210, 180}, false},
                                           CloseupCase{639, 479, {639, 479}, {649, 509}, false},
                                           CloseupCase{640, 480, {640, 480}, {620, 460}, true}));

TEST(QtCloseup, ClickOnThePictureCloses)
{
    QtBitmap bitmap(picture(120, 90));
    Tupclose w(nullptr, &bitmap);
    showActive(w);
    ASSERT_TRUE(w.isVisible());
    const QPointF at(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, w.image1()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w.image1()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.image1(), &press);
    QApplication::sendEvent(w.image1(), &release);
    EXPECT_FALSE(w.isVisible());
}

TEST(QtFinances, ShowsTheTwelveFiguresInTableOrder)
{
    const FinanceFigures figures{1.5f,  22.25f,  300.f, 4000.f, 5.f,  66.75f,
                                 700.f, 8000.5f, 0.f,   10.f,   11.f, 139999.88f};
    Tfinform w(nullptr, figures);
    showActive(w);

    EXPECT_EQ(w.windowTitle(), "A brief look at finances -- ");
    EXPECT_EQ(w.size(), QSize(400, 307));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    const char* captions[][2] = {{"Label1", "The least I paid for a Beanie was:"},
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
                                 {"Label12", "The value of what I have currently is:"}};
    const auto texts = financeTexts(figures);
    int previousTop = -1;
    for (int i = 0; i < 12; ++i) {
        auto* caption = w.findChild<QLabel*>(captions[i][0]);
        auto* value = w.findChild<QLabel*>(QString("Label%1").arg(13 + i));
        ASSERT_NE(caption, nullptr) << captions[i][0];
        ASSERT_NE(value, nullptr) << 13 + i;
        EXPECT_EQ(caption->text(), captions[i][1]);
        EXPECT_TRUE(caption->font().bold());
        EXPECT_EQ(value->text().toStdString(), texts[static_cast<std::size_t>(i)]);
        // Rows run top to bottom, each value beside its caption and both
        // inside the window.
        EXPECT_GT(caption->y(), previousTop);
        EXPECT_EQ(value->y(), caption->y());
        EXPECT_LT(caption->geometry().right(), value->geometry().left());
        EXPECT_TRUE(w.rect().contains(value->geometry()));
        EXPECT_LE(caption->sizeHint().width(), caption->width()) << captions[i][1];
        previousTop = caption->y();
    }
    EXPECT_EQ(w.findChild<QLabel*>("Label24")->text(), "139999.88");
    EXPECT_EQ(w.findChild<QLabel*>("Image1")->pixmap().size(), QSize(400, 307));

    auto* ok = w.findChild<QPushButton*>("BitBtn1");
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_FALSE(w.isVisible());
}

struct DidWindow {
    test::TempDir dir;
    test::FakeMessageBoxes boxes;
    void write(const std::string& bytes) const { test::writeFile(dir.path + "/a2.pvd", bytes); }
};

QLabel* factLabel(QWidget& w)
{
    return w.findChild<QLabel*>("alabel");
}

TEST(QtDidYouKnow, ShowsAFactFromTheFile)
{
    DidWindow d;
    d.write("Tags fade in sunlight.\r\nA tush tag | is sewn in.\r\nKeep them dry.\r\n");
    const std::time_t second = 1300000000;
    Tdidyano w(nullptr, d.dir.root(), d.boxes, [=] { return second; });
    showActive(w);

    EXPECT_EQ(w.windowTitle(), "Amazing Info!");
    EXPECT_EQ(w.size(), QSize(373, 229));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    auto* title = w.findChild<QLabel*>("Label1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Did you know?");
    EXPECT_EQ(title->font().pixelSize(), 27);
    EXPECT_TRUE(title->font().bold() && title->font().italic());
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    ASSERT_NE(factLabel(w), nullptr);
    EXPECT_EQ(factLabel(w)->size(), QSize(307, 113));
    EXPECT_EQ(factLabel(w)->text().toStdString(), chooseFact(d.dir.root(), second));
    EXPECT_TRUE(d.boxes.shown.empty());

    w.findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_FALSE(w.isVisible());
}

TEST(QtDidYouKnow, FactIsShownAsPlainText)
{
    DidWindow d;
    d.write("<b>Bold</b> & brave\r\n");
    Tdidyano w(nullptr, d.dir.root(), d.boxes);
    showActive(w);
    EXPECT_EQ(factLabel(w)->text(), "<b>Bold</b> & brave");
    EXPECT_EQ(factLabel(w)->textFormat(), Qt::PlainText);
}

TEST(QtDidYouKnow, MissingFileShowsTheErrorAndStaysOpenEmpty)
{
    DidWindow d;
    Tdidyano w(nullptr, d.dir.root(), d.boxes);
    showActive(w);
    QApplication::processEvents();
    EXPECT_EQ(d.boxes.texts(), std::vector<std::string>{"Cannot open file " + d.dir.path + "/a2.pvd\nNo such file or directory"});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(factLabel(w)->text(), "");
}

TEST(QtDidYouKnow, EveryShippedFactFitsTheLabel)
{
    StringList facts;
    facts.loadFromFile(Path::fromNative(BW_SOURCE_DIR "/shipped/a2.pvd"));
    ASSERT_GE(facts.count(), 40);
    test::FakeMessageBoxes boxes;
    Tdidyano w(nullptr, Path::fromNative(BW_SOURCE_DIR "/shipped"), boxes);
    QLabel* label = factLabel(w);
    for (const auto& fact : facts.lines()) {
        EXPECT_FALSE(fact.empty());
        label->setText(QString::fromLatin1(fact));
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << fact;
    }
}

} // namespace
} // namespace bw
