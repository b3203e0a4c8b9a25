#include "platform/savedialog_qt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>

#include "platform/path_qt.h"

namespace bw {

std::optional<Path> QtSaveDialog::execute(const std::string& title, const std::string& suggestedName,
                                          const std::string& filter)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString filterText = QString::fromUtf8(filter);
    QFileDialog dialog(parent_, QString::fromUtf8(title), folder, filterText);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // "report" becomes "report.pdf", as the filter promises.
    const auto suffix = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filterText);
    if (suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    dialog.selectFile(QString::fromUtf8(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return pathFromQt(dialog.selectedFiles().first());
}

} // namespace bw
