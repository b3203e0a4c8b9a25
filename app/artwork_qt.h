#pragma once
// The program's pictures, drawn here rather than shipped as files: the ruled
// notepad sheet behind the main window, its eight button icons, the rooster
// and the two small glyphs of the search window's buttons.
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace bw {

// 640 by 480: yellow ruled paper with blue lines, a red margin line and two
// punched holes.
QPixmap notepadSheet();

enum class ButtonIcon {
    TreasureChest,
    Silhouette,
    Folder,
    Bomb,
    ComputerWithFloppy,
    CrystalBall,
    ComputerWithPrinter,
    QuestionMark,
};

// 32 by 32, transparent around the drawing.
QPixmap buttonIcon(ButtonIcon icon);

// The rooster, square, transparent around it.
QImage roosterImage(int size);
QIcon roosterIcon();

// 16 by 16: a green tick and a red cross.
QPixmap okGlyph();
QPixmap cancelGlyph();

} // namespace bw
