// Writes shipped/ROOSTER.ICO from the rooster the program draws itself.
// Built by hand against the library and run from the top of the tree:
//   g++ -std=c++20 -fPIC -I. scripts/rooster-icon.cpp build/libbindle_gui.a \
//       build/libbindle_core.a $(pkg-config --cflags --libs Qt6Widgets) -o /tmp/rooster-icon
//   QT_QPA_PLATFORM=offscreen /tmp/rooster-icon
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "app/artwork_qt.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QImageWriter writer(QStringLiteral("shipped/ROOSTER.ICO"), "ico");
    if (!writer.write(bw::roosterImage(64).convertToFormat(QImage::Format_ARGB32))) {
        std::fprintf(stderr, "%s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
