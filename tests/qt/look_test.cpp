// The windows keep their own look whatever the desktop's style, colours and
// fonts, and their texts fit their boxes.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include "editing/finder_qt.h"
#include "pictures/upclose_qt.h"
#include "platform/style_qt.h"
#include "summaries/didyano_qt.h"
#include "summaries/finform_qt.h"
#include "tests/qt/window_fixture.h"

namespace bw::test {
namespace {

QPalette darkScheme()
{
    QPalette p(QColor(0xee, 0xee, 0xee), QColor(0x30, 0x30, 0x30));
    for (auto role : {QPalette::Base, QPalette::ToolTipBase, QPalette::Window})
        p.setColor(role, QColor(0x20, 0x22, 0x26));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ToolTipText, QPalette::ButtonText})
        p.setColor(role, QColor(0xf0, 0xf0, 0xf0));
    return p;
}

// The desktop's look, set on the application before any window is built.
class ForeignDesktop : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        style_ = QApplication::style()->name();
        palette_ = QApplication::palette();
        font_ = QApplication::font();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        QApplication::setPalette(darkScheme());
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QApplication::setStyle(QStyleFactory::create(style_));
        QApplication::setPalette(palette_);
        QApplication::setFont(font_);
    }

private:
    QString style_;
    QPalette palette_;
    QFont font_;
};

// The width a line edit draws its text in.
int textWidth(QLineEdit* e)
{
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const QMargins m = e->textMargins();
    constexpr int lineEditMargin = 2; // each side, inside the contents
    return r.width() - m.left() - m.right() - 2 * lineEditMargin;
}

bool fits(QLineEdit* e, const QString& text)
{
    // One pixel more for the cursor after the last character.
    return QFontMetrics(e->font()).horizontalAdvance(text) + 1 <= textWidth(e);
}

// Every widget inside a window, its popups included, draws with the style.
void expectOwnStyle(QWidget* window)
{
    EXPECT_EQ(window->style(), ownStyle()) << window->objectName().toStdString();
    for (QWidget* w : window->findChildren<QWidget*>())
        // A widget with a style sheet wraps the style in one of Qt's own.
        if ((!w->isWindow() || w->windowType() == Qt::Popup) && w->styleSheet().isEmpty())
            EXPECT_EQ(w->style(), ownStyle())
                << window->objectName().toStdString() << " / " << w->metaObject()->className() << " "
                << w->objectName().toStdString();
}

using Look = ForeignDesktop;

TEST_F(Look, MainWindowKeepsItsStyleColoursAndFonts)
{
    open();
    for (const char* list : {"mfglist", "genlist", "condlist1"})
        control<QComboBox>(list)->view(); // its drop-down exists from here on
    window->ensurePolished();
    expectOwnStyle(window.get());

    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0xc0, 0xc0, 0xc0));
    for (QLabel* label : window->findChildren<QLabel*>())
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black))
            << label->objectName().toStdString();
    const QColor info(0xff, 0xff, 0xe1);
    for (const char* box : {"nameedit", "bdayedit", "styleedit", "mfglist", "genlist", "condlist2", "buyedit",
                            "valedit", "sdayedit"}) {
        EXPECT_EQ(control(box)->palette().color(QPalette::Base), info) << box;
        EXPECT_EQ(control(box)->palette().color(QPalette::Text), QColor(Qt::black)) << box;
    }
    EXPECT_EQ(control("memo")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(control("memo")->palette().color(QPalette::Text), QColor(Qt::black));

    auto* list = control<QComboBox>("genlist");
    list->showPopup();
    QWidget* dropDown = list->view()->window();
    EXPECT_EQ(dropDown->style(), ownStyle());
    EXPECT_EQ(list->view()->palette().color(QPalette::Text), QColor(Qt::black));
    list->hidePopup();

    for (const char* box : {"nameedit", "bdayedit", "memo", "condlist3", "Label1", "rlabel", "genlist"}) {
        const QFontInfo shown(control(box)->font());
        EXPECT_EQ(shown.family(), QStringLiteral("Liberation Sans")) << box;
        EXPECT_EQ(shown.pixelSize(), 11) << box;
    }
}

TEST_F(Look, DatesMoneyAndBuiltInEntriesFitTheirBoxes)
{
    open();
    window->ensurePolished();
    const MainControls& ui = window->state().ui;
    const std::pair<const char*, IEdit*> dates[] = {{"bdayedit", ui.bdayedit},
                                                    {"rdayedit", ui.rdayedit},
                                                    {"pdayedit", ui.pdayedit},
                                                    {"sdayedit", ui.sdayedit}};
    for (auto [name, date] : dates)
        for (const char* digits : {"10021998", "00000000", "88888888"}) {
            date->setText(digits);
            auto* e = control<QLineEdit>(name);
            ASSERT_EQ(e->displayText().size(), 10);
            EXPECT_TRUE(fits(e, e->displayText())) << name << " " << e->displayText().toStdString();
        }
    for (const char* money : {"buyedit", "valedit", "selledit"})
        EXPECT_TRUE(fits(control<QLineEdit>(money), QStringLiteral("9999.99"))) << money;
    for (const char* name : {"mfglist", "genlist", "condlist1", "condlist2", "condlist3"}) {
        auto* list = control<QComboBox>(name);
        ASSERT_GT(list->count(), 0) << name;
        for (int i = 0; i < list->count(); ++i)
            EXPECT_TRUE(fits(list->lineEdit(), list->itemText(i)))
                << name << " " << list->itemText(i).toStdString() << " in " << textWidth(list->lineEdit());
    }
}

TEST_F(Look, SecondaryWindowsKeepTheirLookToo)
{
    std::string text;
    int kind = 0;
    FakeMessageBoxes boxes;
    Tfinder finder(nullptr, text, kind);
    Tfinform finform(nullptr, FinanceFigures{});
    Tdidyano didyano(nullptr, Path::fromNative(dir.path), boxes);
    Tupclose upclose(nullptr, nullptr);
    for (QWidget* w : std::initializer_list<QWidget*>{&finder, &finform, &didyano, &upclose}) {
        w->ensurePolished();
        expectOwnStyle(w);
        EXPECT_EQ(w->palette().color(QPalette::Window), faceColour()) << w->objectName().toStdString();
        EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(Qt::black))
            << w->objectName().toStdString();
        EXPECT_EQ(QFontInfo(w->font()).pixelSize(), 11) << w->objectName().toStdString();
    }
    EXPECT_EQ(finform.findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(didyano.findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(finder.findChild<QLineEdit*>("Edit1")->palette().color(QPalette::Base), QColor(Qt::white));
}

} // namespace
} // namespace bw::test
