#pragma once
// The program's own look: one style, one palette and fonts of fixed pixel
// size, whatever theme, colour scheme, style plugin or font settings the
// desktop has. Message boxes and the file dialog keep the desktop's look.
#include <QColor>
#include <QFont>
#include <QPalette>

class QStyle;
class QWidget;

namespace bw {

// The classic system colours the windows are drawn in.
QColor infoColour();   // the boxes' pale yellow
QColor windowColour(); // the memo's white
QColor faceColour();   // dialogs and buttons
QColor silverColour(); // the main window behind its sheet

QPalette ownPalette();

// The pick lists' font: the form font drawn a tenth narrower, so that the
// longest built-in entries show whole in the lists' boxes.
QFont listFont();
QStyle* ownStyle();

// Gives a window the style, palette and form font, and keeps giving the style
// to every widget inside it, popups included, whenever it is added. Call it
// first in the window's constructor: colours set afterwards stay.
void useOwnLook(QWidget* window);

} // namespace bw
