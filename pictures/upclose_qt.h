#pragma once
// The close-up window: the main window's picture at full size.
#include <QDialog>

#include "platform/bitmap.h"

class QLabel;
class QScrollArea;

namespace bw {

class Tupclose : public QDialog {
public:
    // picture: the main window's, read when the window becomes active (may
    // be null).
    Tupclose(QWidget* owner, const Bitmap* picture);

    // Copies the picture, sizes Image1 and the window, and centres it.
    void FormActivate();
    void Image1Click();

    QLabel* image1() const { return image1_; }

private:
    const Bitmap* source_;
    QScrollArea* scroller_;
    QWidget* content_;
    QLabel* image1_;
};

// "Here I am, up close and personal...", modal over owner; destroyed when it
// closes.
void showCloseupWindow(QWidget* owner, const Bitmap* picture);

} // namespace bw
