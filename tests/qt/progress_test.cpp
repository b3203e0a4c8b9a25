#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>

#include "platform/progress_qt.h"

namespace bw {
namespace {

QProgressDialog* shownProgress()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

TEST(ProgressWindow, ShowsOnALongJobAndItsCancelButtonStopsIt)
{
    QtProgressReporter reporter(nullptr);
    auto progress = reporter.begin("Saving All Beanies.pdf...", 1000);
    EXPECT_EQ(shownProgress(), nullptr); // a short job shows nothing
    QElapsedTimer clock;
    clock.start();
    long done = 0;
    while (!shownProgress() && clock.elapsed() < 5000) {
        ASSERT_TRUE(progress->step(++done));
        QThread::msleep(50);
    }
    QProgressDialog* dialog = shownProgress();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->labelText(), "Saving All Beanies.pdf...");
    EXPECT_TRUE(dialog->isModal());
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    cancel->click();
    EXPECT_FALSE(progress->step(++done));
    progress.reset();
    EXPECT_EQ(shownProgress(), nullptr);
}

} // namespace
} // namespace bw
