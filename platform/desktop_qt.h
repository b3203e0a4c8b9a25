#pragma once
// Documents opened with the desktop's program for their type.
#include <QPointer>
#include <QUrl>
#include <functional>

#include "platform/dialogs.h"

class QWidget;

namespace bw {

class QtDesktop : public IDesktop {
public:
    // Asks the desktop to open a URL; calls failed, now or later, when it
    // could not.
    using Opener = std::function<void(const QUrl& url, std::function<void()> failed)>;

    // opener: openWithDesktop unless given.
    explicit QtDesktop(QWidget* owner = nullptr, Opener opener = {});

    // A page the desktop cannot open is shown in a window of the program's
    // own; a missing page shows nothing.
    void openDocument(const Path& path) override;

private:
    void showOwnWindow(const QString& path);

    QWidget* owner_;
    Opener opener_;
    QPointer<QWidget> viewer_;
};

// xdg-open when there is one (its exit status says whether a program took the
// document), else Qt's desktop services.
void openWithDesktop(const QUrl& url, std::function<void()> failed);

// The program's own read-only view of an HTML page; links inside the page
// are followed in it.
QWidget* showPageWindow(QWidget* owner, const QString& path);

} // namespace bw
