#pragma once
// The "Amazing Info!" window.
#include <QDialog>
#include <ctime>
#include <functional>
#include <string>

#include "platform/dialogs.h"

class QLabel;

namespace bw {

class Tdidyano : public QDialog {
public:
    // clock: seconds for the choice of the fact; the real clock by default.
    Tdidyano(QWidget* owner, Path appDir, IMessageBoxes& boxes, std::function<std::time_t()> clock = {});

    // Picks a fact afresh; an error is shown through boxes and leaves the
    // fact empty.
    void FormActivate();
    void BitBtn1Click();

private:
    Path appDir_;
    IMessageBoxes& boxes_;
    std::function<std::time_t()> clock_;
    QLabel* alabel_;
};

// "Amazing Info!", modal over owner (which may be null); errors of its
// activation are shown through boxes.
void showDidYouKnowWindow(QWidget* owner, const Path& appDir, IMessageBoxes& boxes);

} // namespace bw
