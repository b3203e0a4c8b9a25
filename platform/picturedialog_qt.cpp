#include "platform/picturedialog_qt.h"

#include <QFileDialog>

#include "platform/path_qt.h"

namespace bw {

QString QtPictureDialog::title()
{
    return QStringLiteral("Picture Files");
}

QStringList QtPictureDialog::filters()
{
    return {QStringLiteral("JPEG Image (*.jpg)"), QStringLiteral("GIF Image (*.gif)")};
}

std::optional<Path> QtPictureDialog::execute()
{
    QFileDialog dialog(parent_, title());
    dialog.setObjectName(QStringLiteral("openpic"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters());
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return pathFromQt(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath());
}

} // namespace bw
