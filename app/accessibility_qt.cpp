#include "app/accessibility_qt.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "app/shortcuts_qt.h"
#include "platform/text_qt.h"

namespace bw {

namespace {

// A picture that runs a command reads as a button that can be pressed.
class PictureButton : public QAccessibleWidget {
public:
    explicit PictureButton(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const QAction* action = commandOf(widget());
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && action)
            return action->text();
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction())
            return QAccessibleWidget::doAction(name);
        if (QAction* action = commandOf(widget()))
            action->trigger();
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        const QAction* action = commandOf(widget());
        if (name == pressAction() && action)
            return {action->shortcut().toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
};

// Qt names an editable list on Linux by its text and leaves the caption to a
// label relation; here the list carries its caption as its name, its text
// as its value.
class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = list()->isEditable();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* ourControls(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (w && commandOf(w))
        return new PictureButton(w);
    auto* list = qobject_cast<QComboBox*>(object);
    if (list && !list->accessibleName().isEmpty())
        return new NamedList(list);
    return nullptr;
}

} // namespace

void nameForScreenReaders(QWidget* main)
{
    static const bool installed = [] {
        QAccessible::installFactory(ourControls);
        return true;
    }();
    (void)installed;

    // clang-format off
    const struct { const char* control; const char* name; const char* description; } names[] = {
        {"nameedit", "Name", nullptr},
        {"bdayedit", "Birthday", nullptr},
        {"rdayedit", "Retire Date", nullptr},
        {"styleedit", "Style Number", nullptr},
        {"mfglist", "Manufacturer", nullptr},
        {"genlist", "Generation", nullptr},
        {"memo", "Description / Notes", nullptr},
        {"condlist1", "General", "Condition"},
        {"condlist2", "Hang Tag", "Condition"},
        {"condlist3", "Tush Tag", "Condition"},
        {"buyedit", "Purchase", "Financial data"},
        {"pdayedit", "Purchase Date", "Financial data"},
        {"valedit", "Market Value", "Financial data"},
        {"selledit", "Sell Price", "Financial data"},
        {"sdayedit", "Sell Date", "Financial data"},
        {"recordslide", "Record", nullptr},
        {"scroll1", "Picture", nullptr},
        {"beanimg", "Picture", nullptr},
    };
    // clang-format on
    for (const auto& n : names)
        if (auto* w = main->findChild<QWidget*>(QString::fromLatin1(n.control))) {
            w->setAccessibleName(QString::fromLatin1(n.name));
            if (n.description)
                w->setAccessibleDescription(QString::fromLatin1(n.description));
        }
    // The buttons are named by their commands.
    for (QWidget* w : main->findChildren<QWidget*>())
        if (const QAction* action = commandOf(w))
            w->setAccessibleName(action->text());
}

AnnouncedCounter::AnnouncedCounter(std::unique_ptr<ILabel> shown, QLabel* label, QWidget* slider)
    : shown_(std::move(shown)), label_(label), slider_(slider)
{
}

std::string AnnouncedCounter::caption() const
{
    return shown_->caption();
}

void AnnouncedCounter::setCaption(const std::string& caption)
{
    const bool changed = caption != shown_->caption();
    shown_->setCaption(caption);
    if (!changed)
        return;
    // The slider usually has the focus while paging: a screen reader speaks
    // the change of its description; the label's own change is sent too.
    slider_->setAccessibleDescription(fromAnsi(caption));
    QAccessibleEvent event(label_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace bw
