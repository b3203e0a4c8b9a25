#pragma once
// The real main window over a temporary program folder, with the modal
// windows, the printer, the picture dialog and the desktop replaced, and the
// message boxes answered by script.
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/tmain_qt.h"
#include "platform/messageboxes_qt.h"
#include "tests/harness.h"

namespace bw::test {

// A record line with its sixteen fields.
inline std::string recordLine(const std::string& key, const std::string& name, const std::string& style = "")
{
    return key + "|" + name + "|" + style + "|01021998||||1.00|2.00|3.00|0|0|0|0|0|";
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { QtMessageBoxes::setScripted(true); }
    void TearDown() override
    {
        window.reset();
        QtMessageBoxes::setScripted(false);
    }

    void writeRecords(int count)
    {
        std::string bytes;
        for (int i = 0; i < count; ++i)
            bytes += recordLine("Key" + std::string(1, char('A' + i)) + "abcd",
                                "Bean " + std::to_string(i + 1), "S" + std::to_string(i + 1)) +
                     "\r\n";
        writeFile(file("a3.pvd"), bytes);
    }

    Tmain& open(MainHandlers handlers = {})
    {
        window = std::make_unique<Tmain>(QString::fromStdString(home + "/bindlewick"),
                                         MainServiceOverrides{&windows, &printer, &openpic, &desktop},
                                         std::move(handlers));
        window->show();
        return *window;
    }

    template <class W = QWidget> W* control(const char* name) const
    {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    std::string file(const std::string& name) const { return home + "/" + name; }

    TempDir dir;
    // The program folder: the temporary folder unless a test makes another.
    std::string home = dir.path;
    FakeWindows windows;
    FakePrinter printer;
    FakePictureDialog openpic;
    FakeDesktop desktop;
    std::unique_ptr<Tmain> window;
};

} // namespace bw::test
