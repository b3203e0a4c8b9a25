#pragma once
// The main window's commands from the keyboard: one key for each, working
// from whichever box has the focus, each running the handler a click runs.
#include <QString>
#include <functional>

class QAction;
class QScrollBar;
class QWidget;

namespace bw {

struct KeyboardCommand {
    // What the command is called, for its hint and for screen readers.
    QString name;
    // The picture button that runs it by mouse; may be null.
    QWidget* button = nullptr;
    std::function<void()> run;
};

struct KeyboardCommands {
    KeyboardCommand add, save, remove, search, print, help, finances, fact;
    // Paging goes through the slider, exactly as a move of it by the user.
    QScrollBar* recordslide = nullptr;
};

// Adds the shortcuts to the window and their keys to the buttons' hints.
// Each button keeps its command's action in the property below.
void installShortcuts(QWidget* window, const KeyboardCommands& commands);

inline constexpr const char* CommandProperty = "bwCommand";

// The action a picture button runs, or null.
QAction* commandOf(const QWidget* button);

} // namespace bw
