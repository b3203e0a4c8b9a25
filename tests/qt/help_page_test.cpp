// The help page shows even where the desktop has no program for it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>

#include "platform/desktop_qt.h"
#include "tests/harness.h"

namespace bw::test {
namespace {

QWidget* helpWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("helpviewer") && w->isVisible())
            return w;
    return nullptr;
}

struct HelpPage {
    TempDir dir;
    std::string page = dir.path + "/wickhelp.htm";
    std::vector<QUrl> asked;

    HelpPage()
    {
        writeFile(page, "<html><body><p><a href=\"#keys\">Keys</a></p>"
                        "<p>Intro</p><h2 id=\"keys\"><a name=\"keys\"></a>The keys</h2>"
                        "<p><a href=\"other.htm\">Other page</a></p></body></html>");
        writeFile(dir.path + "/other.htm", "<html><body><p>The other page.</p></body></html>");
    }
    QtDesktop::Opener opener(bool works)
    {
        return [this, works](const QUrl& url, const std::function<void()>& failed) {
            asked.push_back(url);
            if (!works)
                failed();
        };
    }
};

TEST(HelpPage, DesktopThatOpensThePageLeavesItToTheDesktop)
{
    HelpPage h;
    QtDesktop desktop(nullptr, h.opener(true));
    desktop.openDocument(Path::fromNative(h.page));
    ASSERT_EQ(h.asked.size(), 1u);
    EXPECT_EQ(h.asked[0], QUrl::fromLocalFile(QString::fromStdString(h.page)));
    EXPECT_EQ(helpWindow(), nullptr);
}

TEST(HelpPage, DesktopThatFailsShowsThePageInAWindowOfOurOwn)
{
    HelpPage h;
    QtDesktop desktop(nullptr, h.opener(false));
    desktop.openDocument(Path::fromNative(h.page));
    QWidget* w = helpWindow();
    ASSERT_NE(w, nullptr);
    auto* page = w->findChild<QTextBrowser*>(QStringLiteral("helppage"));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isReadOnly());
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("The keys")));

    // A link inside the page and one to another page beside it.
    page->setSource(QUrl(QStringLiteral("#keys")));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("The keys")));
    page->setSource(QUrl(QStringLiteral("other.htm")));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("The other page.")));
    EXPECT_TRUE(page->openLinks());

    // Asked again, one window, showing the page again.
    desktop.openDocument(Path::fromNative(h.page));
    QApplication::processEvents();
    int shown = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        shown += t->objectName() == QStringLiteral("helpviewer") && t->isVisible();
    EXPECT_EQ(shown, 1);
    helpWindow()->close();
    QApplication::processEvents();
}

TEST(HelpPage, MissingPageShowsNothing)
{
    HelpPage h;
    QtDesktop desktop(nullptr, h.opener(false));
    desktop.openDocument(Path::fromNative(h.dir.path + "/nothere.htm"));
    EXPECT_EQ(h.asked.size(), 1u);
    EXPECT_EQ(helpWindow(), nullptr);
}

// The desktop's own opener, xdg-open, answering as it does when no program
// takes HTML files (3) or when one did (0).
TEST(HelpPage, XdgOpenThatFindsNoProgramBringsOurWindow)
{
    for (const int exitCode : {3, 0}) {
        HelpPage h;
        writeFile(h.dir.path + "/xdg-open", "#!/bin/sh\necho $$ > \"$(dirname \"$0\")/pid\"\n"
                                            "echo \"$1\" > \"$(dirname \"$0\")/asked\"\nexit " +
                                                std::to_string(exitCode) + "\n");
        ASSERT_EQ(::chmod((h.dir.path + "/xdg-open").c_str(), 0755), 0);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(h.dir.path) + ":" + path);
        QtDesktop desktop;
        desktop.openDocument(Path::fromNative(h.page));
        qputenv("PATH", path);
        // Until the window is there or the opener has ended and been reaped
        // (its end is handled as it is reaped); generous for a loaded machine.
        const auto openerGone = [&] {
            if (!std::filesystem::exists(h.dir.path + "/asked"))
                return false;
            const pid_t pid = std::stoi(readFile(h.dir.path + "/pid"));
            return ::kill(pid, 0) != 0 && errno == ESRCH;
        };
        QElapsedTimer waited;
        waited.start();
        while (!helpWindow() && !openerGone() && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::processEvents();
        EXPECT_EQ(readFile(h.dir.path + "/asked"), h.page + "\n");
        EXPECT_EQ(helpWindow() != nullptr, exitCode != 0) << exitCode;
        if (QWidget* w = helpWindow())
            w->close();
        QApplication::processEvents();
    }
}

} // namespace
} // namespace bw::test
