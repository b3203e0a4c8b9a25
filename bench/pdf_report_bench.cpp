// Saving "All Beanies" of a 100,000-record collection as a PDF: the time it
// takes, the longest the window goes without handling its events, the peak
// memory, and that cancelling half-way leaves no file.
// Run: bindle_pdf_bench [folder for the file]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

#include "printing/printer_qt.h"
#include "printing/printmenu.h"
#include "tests/fakes.h"

namespace {

using namespace bw;

constexpr int RecordCount = 100000;

// Steps as the window's progress dialog sees them; notes the longest gap.
class TimingProgress : public IProgressReporter {
public:
    std::unique_ptr<IProgress> begin(const std::string&, long total) override
    {
        pages = total;
        beforeFirstStepMs = sinceClick.elapsed();
        clock.start();
        return std::make_unique<Step>(*this);
    }
    long cancelAt = -1;
    long pages = 0;
    qint64 longestGapMs = 0;
    qint64 beforeFirstStepMs = 0;
    QElapsedTimer clock, sinceClick;

private:
    struct Step : IProgress {
        explicit Step(TimingProgress& p) : p(p) {}
        bool step(long done) override
        {
            p.longestGapMs = std::max(p.longestGapMs, p.clock.restart());
            return p.cancelAt < 0 || done < p.cancelAt;
        }
        TimingProgress& p;
    };
};

long peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/pdfbench-XXXXXX" : QString());
    const QString pdf = tmp.filePath("All Beanies.pdf");

    test::FakeControls ui;
    for (test::FakeComboBox* list : {&ui.mfglist, &ui.genlist, &ui.condlist1, &ui.condlist2, &ui.condlist3})
        list->items.assign(8, "Mint with Tags");
    test::FakeMessageBoxes boxes;
    test::FakeSaveDialog savefile;
    TimingProgress progress;
    QtPrinter printer;
    printer.setPaper(QPageSize::Letter);
    MainState st;
    st.ui = ui.controls();
    st.sys.boxes = &boxes;
    st.sys.savefile = &savefile;
    st.sys.printer = &printer;
    st.sys.progress = &progress;
    for (int i = 0; i < RecordCount; ++i)
        st.RecordList.add("Key" + std::to_string(i) + "|Beanie number " + std::to_string(i) +
                          "|4032|12251995|06301998|03011997|07041999|12.50|30.00|20.00|0|3|1|2|0|");
    savefile.choice = QFile::encodeName(pdf).toStdString();

    // Cancelled half-way: no file.
    progress.cancelAt = 2000;
    pdfallClick(st);
    std::printf("cancelled after %ld of %ld pages: file %s, folder holds %lld entries\n", progress.cancelAt,
                progress.pages, QFile::exists(pdf) ? "LEFT BEHIND" : "not written",
                static_cast<long long>(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).size()));

    progress.cancelAt = -1;
    progress.longestGapMs = 0;
    progress.sinceClick.start();
    const auto before = std::chrono::steady_clock::now();
    pdfallClick(st);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    std::printf("100,000 records, %ld pages: %.1f s, file %.1f MB\n", progress.pages, seconds,
                static_cast<double>(QFile(pdf).size()) / 1e6);
    std::printf("gathering and laying out before the progress window: %lld ms\n",
                static_cast<long long>(progress.beforeFirstStepMs));
    std::printf("longest time between two chances to handle events after that: %lld ms\n",
                static_cast<long long>(progress.longestGapMs));
    std::printf("peak memory: %ld MB\n", peakRssMb());
    return QFile::exists(pdf) && boxes.shown.empty() ? 0 : 1;
}
