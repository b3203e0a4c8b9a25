#pragma once
// openpic: the "Picture Files" dialog for JPEG and GIF files.
#include <QStringList>

#include "platform/dialogs.h"

class QWidget;

namespace bw {

class QtPictureDialog : public IPictureDialog {
public:
    explicit QtPictureDialog(QWidget* parent) : parent_(parent) {}
    std::optional<Path> execute() override;

    static QString title();
    static QStringList filters();

private:
    QWidget* parent_;
};

} // namespace bw
