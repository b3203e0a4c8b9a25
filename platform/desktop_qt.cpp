#include "platform/desktop_qt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/style_qt.h"
#include "platform/text_qt.h"

namespace bw {

QtDesktop::QtDesktop(QWidget* owner, Opener opener)
    : owner_(owner), opener_(opener ? std::move(opener)
                                    : Opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }))
{
}

void QtDesktop::openDocument(const std::string& path)
{
    const QString file = fromAnsi(path);
    if (opener_(QUrl::fromLocalFile(file)) || !QFileInfo(file).isFile())
        return;
    if (viewer_) {
        viewer_->close();
        delete viewer_;
    }
    viewer_ = showPageWindow(owner_, file);
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
