// What a screen reader is told about the main window.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>

#include "tests/qt/window_fixture.h"

namespace bw::test {
namespace {

using ScreenReader = WindowTest;

QAccessibleInterface* accessible(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

TEST_F(ScreenReader, EveryControlHasAName)
{
    open();
    const std::pair<const char*, const char*> names[] = {
        {"nameedit", "Name"},
        {"bdayedit", "Birthday"},
        {"rdayedit", "Retire Date"},
        {"styleedit", "Style Number"},
        {"mfglist", "Manufacturer"},
        {"genlist", "Generation"},
        {"memo", "Description / Notes"},
        {"condlist1", "General"},
        {"condlist2", "Hang Tag"},
        {"condlist3", "Tush Tag"},
        {"buyedit", "Purchase"},
        {"pdayedit", "Purchase Date"},
        {"valedit", "Market Value"},
        {"selledit", "Sell Price"},
        {"sdayedit", "Sell Date"},
        {"recordslide", "Record"},
        {"scroll1", "Picture"},
    };
    for (auto [control, name] : names) {
        QAccessibleInterface* a = accessible(this->control(control));
        ASSERT_NE(a, nullptr) << control;
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromLatin1(name)) << control;
    }
}

TEST_F(ScreenReader, PictureButtonsAreButtonsNamedByTheirCommands)
{
    std::vector<std::string> calls;
    writeRecords(2);
    open(recorders(calls));
    calls.clear();
    const struct {
        const char* button;
        const char* name;
        const char* key;
        const char* runs;
    } buttons[] = {
        {"addbutton", "Add", "Ctrl+N", "addbuttonClick"},
        {"deletebutton", "Delete", "Ctrl+D", "deletebuttonClick"},
        {"savebutt", "Save", "Ctrl+S", "savebuttClick"},
        {"searchbutton", "Search", "Ctrl+F", "searchbuttonClick"},
        {"helpbutton", "Help", "F1", "helpbuttonClick"},
        {"treasurebutton", "Financial Summary", "Ctrl+M", "treasurebuttonClick"},
        {"Image9", "Did you know?", "Ctrl+I", "Image9Click"},
        {"printbutton", "Print", "Ctrl+P", nullptr},
    };
    for (const auto& b : buttons) {
        QAccessibleInterface* a = accessible(control(b.button));
        ASSERT_NE(a, nullptr) << b.button;
        EXPECT_EQ(a->role(), QAccessible::Button) << b.button;
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromLatin1(b.name)) << b.button;
        QAccessibleActionInterface* act = a->actionInterface();
        ASSERT_NE(act, nullptr) << b.button;
        EXPECT_EQ(act->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                  QStringList{QString::fromLatin1(b.key)})
            << b.button;
        if (!b.runs)
            continue;
        calls.clear();
        act->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(calls, std::vector<std::string>{b.runs}) << b.button;
    }
}

TEST_F(ScreenReader, EachNewCounterReachesTheSliderAndTheLabel)
{
    writeRecords(3);
    open();
    auto* slide = control<QScrollBar>("recordslide");
    slide->setFocus();
    slide->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(accessible(control("rlabel"))->text(QAccessible::Name), QStringLiteral("Record 2 of 3"));
    // While paging the slider has the focus: its description is what changes.
    EXPECT_EQ(accessible(slide)->text(QAccessible::Description), QStringLiteral("Record 2 of 3"));
    EXPECT_EQ(accessible(slide)->text(QAccessible::Name), QStringLiteral("Record"));
}

TEST_F(ScreenReader, ListsReadTheirCaptionAsNameAndTheirEntryAsValue)
{
    open();
    QAccessibleInterface* a = accessible(control("genlist"));
    EXPECT_EQ(a->role(), QAccessible::ComboBox);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Generation"));
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("1 (doesn't open)"));
    EXPECT_TRUE(a->state().editable);
}

} // namespace
} // namespace bw::test
