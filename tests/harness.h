#pragma once
// A whole main window over in-memory controls, in a temporary program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/startup.h"
#include "editing/navigation.h"
#include "editing/record.h"
#include "platform/guard.h"
#include "tests/fakes.h"

namespace bw::test {

class TempDir {
public:
    TempDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "bindlewick-XXXXXX").string();
        path = mkdtemp(tmpl.data());
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    Path root() const { return Path::fromNative(path); }
    std::string path;
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Harness : FakeControls {
    TempDir dir;
    FakeMessageBoxes boxes;
    FakeImageLoader loader;
    FakePictureDialog openpic;
    FakeWindows windows;
    FakePrinter printer;
    FakeDesktop desktop;
    FakeSaveDialog savefile;
    FakeProgressReporter progress;
    MainState st;

    Harness()
    {
        // The window's design texts.
        buyedit.value = "buyedit";
        valedit.value = "Edit1";
        selledit.value = "Edit1";
        st.ui = controls();
        st.sys = {&boxes, &loader, &openpic, &windows, &printer, &desktop, &savefile, &progress};
        st.keys = KeyGenerator(12345u);
        memo.setChangeHandler([this] { memoChange(st); });
        recordslide.setChangeHandler([this] { recordslideChange(st); });
    }
    ~Harness()
    {
        for (const auto& text : boxes.unscripted)
            ADD_FAILURE() << "unscripted question: " << text;
    }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // The program folder: the temporary folder, or a folder made inside it.
    std::string home = dir.path;
    void moveInto(const std::string& folderName)
    {
        home = dir.path + "/" + folderName;
        std::filesystem::create_directories(home);
    }
    Path root() const { return Path::fromNative(home); }
    std::string file(const std::string& name) const { return home + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const { writeFile(file(name), bytes); }
    std::string read(const std::string& name) const { return readFile(file(name)); }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

    // Starts the program in the folder; errors are shown as the window would.
    void start()
    {
        runHandler(boxes, [this] { FormCreate(st, root() / "bindlewick"); });
    }
    // Starts on a collection of these record lines and note lines.
    void startWith(const std::vector<std::string>& records, const std::vector<std::string>& notes = {})
    {
        std::string a3, a4;
        for (const auto& r : records)
            a3 += r + "\r\n";
        for (const auto& n : notes)
            a4 += n + "\r\n";
        write("a3.pvd", a3);
        write("a4.pvd", a4);
        start();
    }
    void close()
    {
        runHandler(boxes, [this] { FormClose(st); });
    }
    // The user moves the slider (arrows, track, keys): one handler run.
    void moveTo(int position)
    {
        runHandler(boxes, [&] { recordslide.setPosition(position); });
    }
    template <class F> void run(F&& handler) { runHandler(boxes, std::forward<F>(handler)); }
};

} // namespace bw::test
