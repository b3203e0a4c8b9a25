// Writes the rooster the program draws into an icon theme folder, at the
// sizes desktops ask for: <folder>/<n>x<n>/apps/<name>.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "app/artwork_qt.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <theme folder> <icon name>\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = folder + QStringLiteral("/") + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !bw::roosterImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
