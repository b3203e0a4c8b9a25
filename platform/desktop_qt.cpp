#include "platform/desktop_qt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/path_qt.h"
#include "platform/style_qt.h"

namespace bw {

QtDesktop::QtDesktop(QWidget* owner, Opener opener)
    : owner_(owner), opener_(opener ? std::move(opener) : Opener(openWithDesktop))
{
}

void QtDesktop::openDocument(const Path& path)
{
    const QString file = pathToQt(path);
    QPointer<QWidget> owner(owner_);
    const bool owned = owner_ != nullptr;
    opener_(QUrl::fromLocalFile(file), [this, owner, owned, file] {
        // The answer may come after the main window has gone.
        if ((!owned || owner) && QFileInfo(file).isFile())
            showOwnWindow(file);
    });
}

void QtDesktop::showOwnWindow(const QString& path)
{
    // It deletes itself on close, which also clears the pointer.
    if (viewer_)
        viewer_->close();
    viewer_ = showPageWindow(owner_, path);
}

void openWithDesktop(const QUrl& url, std::function<void()> failed)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            failed();
        return;
    }
    // Without a parent: a browser xdg-open waits for must outlive the program.
    auto* run = new QProcess;
    run->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(run, &QProcess::finished, run, [run, failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            failed();
        run->deleteLater();
    });
    QObject::connect(run, &QProcess::errorOccurred, run, [run, failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failed();
            run->deleteLater();
        }
    });
    // A file goes as its path: no escaping for xdg-open to undo.
    run->start(xdgOpen, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
}

QWidget* showPageWindow(QWidget* owner, const QString& path)
{
    // A window of its own beside the main window, not a modal one.
    auto* window = new QWidget(owner, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    useOwnLook(window);
    window->setObjectName(QStringLiteral("helpviewer"));
    window->setWindowTitle(QStringLiteral("Bindlewick Help"));
    auto* page = new QTextBrowser(window);
    page->setObjectName(QStringLiteral("helppage"));
    page->setOpenLinks(true);
    page->setOpenExternalLinks(true);
    page->setSource(QUrl::fromLocalFile(path));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    window->resize(640, 480);
    window->show();
    return window;
}

} // namespace bw
