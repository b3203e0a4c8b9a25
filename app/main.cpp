// The program entry: the icon, the title, the main window, the message loop.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>

#include "app/collectionlock_qt.h"
#include "app/tmain_qt.h"
#include "platform/error.h"
#include "platform/guard.h"
#include "platform/messageboxes_qt.h"
#include "platform/path_qt.h"

namespace {

// ROOSTER.ICO from the current folder, else from the program's own.
QIcon applicationIcon(const QString& programPath)
{
    const QString name = QStringLiteral("ROOSTER.ICO");
    for (const QString& folder : {QDir::currentPath(), QFileInfo(programPath).absolutePath()}) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile() && QImageReader(path).canRead())
            return QIcon(path);
    }
    bw::throwCannotOpen(bw::pathFromQt(name));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bw::QtMessageBoxes boxes;
    try {
        const QString programPath = bw::Tmain::runningProgramPath();
        QApplication::setWindowIcon(applicationIcon(programPath));
        // The title names the program to the desktop; the window captions
        // stay exactly as they are.
        QApplication::setApplicationName(QStringLiteral("Bindlewick"));
        // Ties the windows to the launcher's entry.
        QGuiApplication::setDesktopFileName(QStringLiteral("org.bindlewick.Bindlewick"));
        // Held until the program ends.
        bw::QtCollectionLock lock;
        if (!bw::takeCollection(lock, boxes, bw::appDirFromProgramPath(bw::pathFromQt(programPath))))
            return 0;
        bw::Tmain main(programPath);
        main.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        bw::showErrorBox(boxes, e.what());
    }
    return 0;
}
