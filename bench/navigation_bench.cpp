// One step of the record slider (leave the shown record, show the next one)
// in a large collection: 100,000 records and 300,000 note lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "app/mainstate.h"
#include "editing/navigation.h"
#include "editing/record.h"
#include "tests/fakes.h"

namespace bw {
namespace {

using namespace test;

constexpr int RecordCount = 100000;
constexpr int NoteLineCount = 300000;

struct Window : FakeControls {
    FakeMessageBoxes boxes;
    MainState st;

    Window()
    {
        for (FakeComboBox* list : {&mfglist, &genlist, &condlist1, &condlist2, &condlist3})
            list->items.assign(8, "entry");
        st.ui = controls();
        st.sys.boxes = &boxes;
        st.appDir = bw::Path::fromNative("/nonexistent");
        memo.setChangeHandler([this] { memoChange(st); });
        recordslide.setChangeHandler([this] { recordslideChange(st); });

        KeyGenerator keys(2024u);
        std::vector<std::string> recordKeys;
        for (int i = 0; i < RecordCount; ++i) {
            std::string key = keys.drawKey();
            recordKeys.push_back(key);
            st.RecordList.add(key + "|Beanie number " + std::to_string(i) +
                              "|4032|12251995|06301998|03011997||12.50||20.00|0|3|1|2|0|0");
        }
        // Three lines per record on average, in an order that a history of
        // write-backs leaves: scattered over the whole list. The lines are
        // made in list order, as a load from a4.pvd makes them.
        std::mt19937 rng(7);
        std::vector<int> owner(NoteLineCount);
        for (int i = 0; i < NoteLineCount; ++i)
            owner[static_cast<std::size_t>(i)] = i % RecordCount;
        std::shuffle(owner.begin(), owner.end(), rng);
        for (int i = 0; i < NoteLineCount; ++i)
            st.NoteList.add(recordKeys[static_cast<std::size_t>(owner[static_cast<std::size_t>(i)])] +
                            "|Bought at the spring fair, tag " + std::to_string(i));

        recordslide.hi = RecordCount - 1;
        st.currentIndex = 0;
        showCurrentRecord(st);
    }

    void step() { recordslide.setPosition(recordslide.pos == recordslide.hi ? 0 : recordslide.pos + 1); }
};

Window& window()
{
    static Window w;
    return w;
}

// Leaving an unedited record: store and show.
void BM_SliderStep(benchmark::State& state)
{
    Window& w = window();
    for (auto _ : state)
        w.step();
    benchmark::DoNotOptimize(w.st.RecordList.count());
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMicrosecond);

// Leaving an edited record: clean-up and date check as well.
void BM_SliderStepEditedRecord(benchmark::State& state)
{
    Window& w = window();
    for (auto _ : state) {
        w.nameedit.value += "x";
        w.step();
    }
}
BENCHMARK(BM_SliderStepEditedRecord)->Unit(benchmark::kMicrosecond);

// Leaving a record whose notes were typed into: the write-back as well.
void BM_SliderStepEditedNotes(benchmark::State& state)
{
    Window& w = window();
    for (auto _ : state) {
        w.memo.type({"Bought at the spring fair", "Tag creased"});
        w.step();
    }
}
BENCHMARK(BM_SliderStepEditedNotes)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bw
