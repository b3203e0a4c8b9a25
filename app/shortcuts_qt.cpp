#include "app/shortcuts_qt.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScrollBar>
#include <QWidget>
#include <vector>

namespace bw {

namespace {

// Our keys win over the boxes' own uses of them (Ctrl+Home in an edit, for
// one): the box is told the key is not its own.
class KeysFirst : public QObject {
public:
    KeysFirst(QWidget* window, std::vector<QKeySequence> keys) : QObject(window), keys_(std::move(keys)) {}

    void watch(QWidget* w)
    {
        w->installEventFilter(this);
        for (QWidget* child : w->findChildren<QWidget*>())
            if (!child->isWindow())
                child->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& k : keys_)
            if (k == pressed) {
                key->ignore();
                return true;
            }
        return false;
    }

private:
    std::vector<QKeySequence> keys_;
};

} // namespace

QAction* commandOf(const QWidget* button)
{
    return button ? button->property(CommandProperty).value<QAction*>() : nullptr;
}

void installShortcuts(QWidget* window, const KeyboardCommands& c)
{
    std::vector<QKeySequence> keys;
    auto add = [&](const QString& name, QKeySequence key, std::function<void()> run, QWidget* button) {
        auto* action = new QAction(name, window);
        action->setObjectName(QStringLiteral("shortcut ") + name);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, window, [run = std::move(run)] { run(); });
        window->addAction(action);
        keys.push_back(key);
        if (button) {
            const QString shown = key.toString(QKeySequence::NativeText);
            const QString hint = button->toolTip();
            button->setToolTip((hint.isEmpty() ? name : hint) + QStringLiteral(" (") + shown +
                               QStringLiteral(")"));
            button->setProperty(CommandProperty, QVariant::fromValue(action));
        }
    };
    auto command = [&](const KeyboardCommand& cmd, QKeySequence key) {
        add(cmd.name, key, cmd.run, cmd.button);
    };
    command(c.add, QKeySequence(Qt::CTRL | Qt::Key_N));
    command(c.save, QKeySequence(Qt::CTRL | Qt::Key_S));
    command(c.remove, QKeySequence(Qt::CTRL | Qt::Key_D));
    command(c.search, QKeySequence(Qt::CTRL | Qt::Key_F));
    command(c.print, QKeySequence(Qt::CTRL | Qt::Key_P));
    command(c.help, QKeySequence(Qt::Key_F1));
    command(c.finances, QKeySequence(Qt::CTRL | Qt::Key_M));
    command(c.fact, QKeySequence(Qt::CTRL | Qt::Key_I));

    QScrollBar* slide = c.recordslide;
    auto page = [&](const char* name, QKeySequence key, QAbstractSlider::SliderAction move) {
        add(
            QString::fromLatin1(name), key, [slide, move] { slide->triggerAction(move); }, nullptr);
    };
    page("Next record", QKeySequence(Qt::CTRL | Qt::Key_PageDown), QAbstractSlider::SliderSingleStepAdd);
    page("Previous record", QKeySequence(Qt::CTRL | Qt::Key_PageUp), QAbstractSlider::SliderSingleStepSub);
    page("First record", QKeySequence(Qt::CTRL | Qt::Key_Home), QAbstractSlider::SliderToMinimum);
    page("Last record", QKeySequence(Qt::CTRL | Qt::Key_End), QAbstractSlider::SliderToMaximum);

    auto* first = new KeysFirst(window, std::move(keys));
    first->watch(window);
}

} // namespace bw
