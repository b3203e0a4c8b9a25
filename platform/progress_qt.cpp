#include "platform/progress_qt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace bw {

namespace {

class QtProgress : public IProgress {
public:
    QtProgress(QWidget* parent, const QString& label, long total)
        : dialog_(label, QStringLiteral("Cancel"), 0, 1000, parent), total_(total > 0 ? total : 1)
    {
        dialog_.setWindowTitle(QStringLiteral("Please wait"));
        // Modal: nothing else of the program may run while the job goes on.
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
        clock_.start();
    }

    bool step(long done) override
    {
        // Handing events over costs time; a few dozen times a second keeps
        // the windows painted and the Cancel button alive.
        if (clock_.elapsed() >= 40) {
            clock_.restart();
            dialog_.setValue(
                static_cast<int>(1000.0 * static_cast<double>(done) / static_cast<double>(total_)));
            // Until the modal window shows, a click must not reach the main
            // window and start something else half-way through this job.
            QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                                : QEventLoop::ExcludeUserInputEvents);
        }
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
    long total_;
    QElapsedTimer clock_;
};

} // namespace

std::unique_ptr<IProgress> QtProgressReporter::begin(const std::string& label, long total)
{
    return std::make_unique<QtProgress>(parent_, QString::fromUtf8(label), total);
}

} // namespace bw
