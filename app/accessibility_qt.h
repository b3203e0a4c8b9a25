#pragma once
// What a screen reader hears of the main window: a name for every control,
// the picture buttons as buttons, and each new "Record n of N".
#include <QString>
#include <memory>

#include "platform/controls.h"

class QLabel;
class QWidget;

namespace bw {

// Names the main window's controls by the captions of their labels. Picture
// buttons carrying a command (see shortcuts_qt.h) read as buttons named by it.
void nameForScreenReaders(QWidget* mainWindow);

// The record counter: shows the caption and tells screen readers it changed.
class AnnouncedCounter : public ILabel {
public:
    AnnouncedCounter(std::unique_ptr<ILabel> shown, QLabel* label, QWidget* slider);
    std::string caption() const override;
    void setCaption(const std::string& caption) override;

private:
    std::unique_ptr<ILabel> shown_;
    QLabel* label_;
    QWidget* slider_;
};

} // namespace bw
