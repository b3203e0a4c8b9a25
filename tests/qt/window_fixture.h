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

// Every handler replaced by one that notes what reached it.
inline MainHandlers recorders(std::vector<std::string>& calls)
{
    MainHandlers h;
    auto note = [&calls](std::string what) { return [&calls, what](MainState&) { calls.push_back(what); }; };
    auto noteKey = [&calls](std::string what) {
        return [&calls, what](MainState&, int key) { calls.push_back(what + " " + std::to_string(key)); };
    };
    h.recordslideChange = [&calls](MainState& st) {
        calls.push_back("recordslideChange " + std::to_string(st.ui.recordslide->position()));
    };
    h.nameeditKeyUp = noteKey("nameeditKeyUp");
    h.mfglistKeyUp = noteKey("mfglistKeyUp");
    h.genlistKeyUp = noteKey("genlistKeyUp");
    h.condlist1KeyUp = noteKey("condlist1KeyUp");
    h.condlist2KeyUp = noteKey("condlist2KeyUp");
    h.condlist3KeyUp = noteKey("condlist3KeyUp");
    h.addbuttonClick = note("addbuttonClick");
    h.savebuttClick = note("savebuttClick");
    h.deletebuttonClick = note("deletebuttonClick");
    h.searchbuttonClick = note("searchbuttonClick");
    h.scroll1DblClick = note("scroll1DblClick");
    h.Label19DblClick = note("Label19DblClick");
    h.beanimgDblClick = note("beanimgDblClick");
    h.beanimgMouseDown = [&calls](MainState&, MouseButton b) {
        calls.push_back(std::string("beanimgMouseDown ") + (b == MouseButton::Left    ? "Left"
                                                            : b == MouseButton::Right ? "Right"
                                                                                      : "Middle"));
    };
    h.printthisClick = note("printthisClick");
    h.printallClick = note("printallClick");
    h.printretiredClick = note("printretiredClick");
    h.printcurrentClick = note("printcurrentClick");
    h.printsoldClick = note("printsoldClick");
    h.printunsoldClick = note("printunsoldClick");
    h.treasurebuttonClick = note("treasurebuttonClick");
    h.Image9Click = note("Image9Click");
    h.memoChange = note("memoChange");
    h.helpbuttonClick = note("helpbuttonClick");
    return h;
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
                                         MainServiceOverrides{&windows, &printer, &openpic, &desktop, &savefile},
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
    FakeSaveDialog savefile;
    std::unique_ptr<Tmain> window;
};

} // namespace bw::test
