// The "SEARCH" window.
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include "editing/finder_qt.h"
#include "tests/qt/input.h"

namespace bw::test {
namespace {

class Finder : public ::testing::Test {
protected:
    template <class W> W* part(const char* name) const
    {
        W* w = finder.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::string text = "left as it was";
    int kind = 7;
    Tfinder finder{nullptr, text, kind};
};

TEST_F(Finder, OpensEmptyWithNameSelected)
{
    EXPECT_EQ(finder.windowTitle(), QStringLiteral("SEARCH"));
    EXPECT_EQ(finder.minimumSize(), finder.maximumSize());
    EXPECT_TRUE(finder.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(finder.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    auto* edit1 = part<QLineEdit>("Edit1");
    auto* edit2 = part<QLineEdit>("Edit2");
    EXPECT_TRUE(edit1->text().isEmpty() && edit2->text().isEmpty());
    EXPECT_GT(edit1->width(), edit2->width());
    EXPECT_LT(edit1->y(), edit2->y());
    auto* byName = part<QRadioButton>("searchname");
    auto* byStyle = part<QRadioButton>("searchstyle");
    EXPECT_EQ(byName->text(), QStringLiteral("Name:"));
    EXPECT_EQ(byStyle->text(), QStringLiteral("Style Number:"));
    EXPECT_TRUE(byName->isChecked());
    EXPECT_FALSE(byStyle->isChecked());
    // Captions left of the buttons, each button beside its box.
    EXPECT_EQ(byName->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(byStyle->layoutDirection(), Qt::RightToLeft);
    EXPECT_LE(byName->geometry().right(), edit1->x());
    EXPECT_EQ(byName->geometry().center().y(), edit1->geometry().center().y());
    EXPECT_EQ(byStyle->geometry().center().y(), edit2->geometry().center().y());
    auto* ok = part<QPushButton>("BitBtn1");
    auto* cancel = part<QPushButton>("BitBtn2");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(cancel->isDefault());
    EXPECT_FALSE(ok->icon().isNull() || cancel->icon().isNull());
    EXPECT_GT(ok->y(), edit2->geometry().bottom());
    EXPECT_EQ(ok->y(), cancel->y());
}

TEST_F(Finder, TabOrderIsTheBoxesTheChoiceThenTheButtons)
{
    finder.show();
    const char* order[] = {"Edit1", "Edit2", "searchname", "searchstyle", "BitBtn1", "BitBtn2", "Edit1"};
    part<QWidget>(order[0])->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        keyTap(finder.focusWidget(), Qt::Key_Tab, QStringLiteral("\t"));
        EXPECT_EQ(finder.focusWidget(), part<QWidget>(order[i])) << "after " << order[i - 1];
    }
}

TEST_F(Finder, IsCentredOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(finder.geometry().center().x(), screen.center().x(), 1);
    EXPECT_NEAR(finder.geometry().center().y(), screen.center().y(), 1);
}

struct Choice {
    const char* what;
    bool byStyle;
    std::string expectedText;
    int expectedKind;
};

TEST_F(Finder, OkReadsTheBoxOfTheCheckedButtonOnly)
{
    const Choice choices[] = {
        {"name", false,
         "Teddy b\xE9"
         "ar",
         1},
        {"style", true, "4050", 2},
    };
    for (const Choice& c : choices) {
        std::string t = "old";
        int k = 0;
        Tfinder f(nullptr, t, k);
        f.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::fromUtf8("Teddy b\u00E9ar"));
        f.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("4050"));
        if (c.byStyle)
            f.findChild<QRadioButton*>(QStringLiteral("searchstyle"))->click();
        f.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        EXPECT_EQ(t, c.expectedText) << c.what;
        EXPECT_EQ(k, c.expectedKind) << c.what;
        EXPECT_EQ(f.result(), QDialog::Accepted) << c.what;
    }
}

TEST_F(Finder, ReturnPressesOk)
{
    finder.show();
    auto* edit1 = part<QLineEdit>("Edit1");
    edit1->setFocus();
    typeText(edit1, QStringLiteral("bear"));
    tapReturn(edit1);
    EXPECT_EQ(text, "bear");
    EXPECT_EQ(kind, 1);
    EXPECT_FALSE(finder.isVisible());
}

TEST_F(Finder, ReturnOnAFocusedCancelSearchesNothing)
{
    finder.show();
    typeText(part<QLineEdit>("Edit1"), QStringLiteral("bear"));
    auto* cancel = part<QPushButton>("BitBtn2");
    cancel->setFocus();
    tapReturn(cancel);
    EXPECT_EQ(kind, 7) << "left as the main window set it";
    EXPECT_EQ(finder.result(), QDialog::Rejected);
}

TEST_F(Finder, CancelEscapeAndTheCloseBoxSearchNothing)
{
    const std::function<void(Tfinder&)> ways[] = {
        [](Tfinder& f) { f.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click(); },
        [](Tfinder& f) { keyTap(f.findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Escape); },
        [](Tfinder& f) { f.close(); },
    };
    for (const auto& way : ways) {
        std::string t;
        int k = 0;
        Tfinder f(nullptr, t, k);
        f.show();
        f.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("bear"));
        way(f);
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(t, "");
        EXPECT_EQ(k, 0);
    }
}

TEST(SearchWindow, ShowsModallyAndHandsBackTheAnswer)
{
    std::string t;
    int k = 0;
    QTimer::singleShot(0, [] {
        auto* f = qobject_cast<Tfinder*>(QApplication::activeModalWidget());
        ASSERT_NE(f, nullptr);
        // A click that does not close it fails the test instead of waiting forever.
        QTimer::singleShot(2000, f, [f] { f->reject(); });
        f->findChild<QRadioButton*>(QStringLiteral("searchstyle"))->click();
        f->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("ab1"));
        f->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    showSearchWindow(nullptr, t, k);
    EXPECT_EQ(t, "ab1");
    EXPECT_EQ(k, 2);
}

} // namespace
} // namespace bw::test
