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
    using Opener = std::function<bool(const QUrl&)>;
    // opener: the desktop's service (QDesktopServices::openUrl unless given).
    explicit QtDesktop(QWidget* owner = nullptr, Opener opener = {});

    // A page the desktop cannot open is shown in a window of the program's
    // own; a missing page shows nothing.
    void openDocument(const std::string& path) override;

private:
    QWidget* owner_;
    Opener opener_;
    QPointer<QWidget> viewer_;
};

// The program's own read-only view of an HTML page; links inside the page
// are followed in it.
QWidget* showPageWindow(QWidget* owner, const QString& path);

} // namespace bw
