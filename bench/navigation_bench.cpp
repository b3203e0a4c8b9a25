// One step of the record slider (leave the shown record, show the next one)
// in a large collection: 100,000 records and 300,000 note lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "app/mainstate.h"
#include "editing/navigation.h"
#include "editing/record.h"

namespace bw {
namespace {

class Edit : public IEdit {
public:
    std::string text() const override { return value; }
    void setText(const std::string& t) override { value = t; }
    std::string value;
};

class Label : public ILabel {
public:
    std::string caption() const override { return value; }
    void setCaption(const std::string& c) override { value = c; }
    std::string value;
};

class Visible : public IVisible {
public:
    void setVisible(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    bool visible = false;
};

class Combo : public IComboBox {
public:
    Combo() : items(8, "entry") {}
    int count() const override { return static_cast<int>(items.size()); }
    std::string item(int i) const override { return items.at(static_cast<std::size_t>(i)); }
    void addItem(const std::string& t) override { items.push_back(t); }
    int itemIndex() const override { return index; }
    void setItemIndex(int i) override { index = (i >= 0 && i < count()) ? i : -1; }
    std::string text() const override { return {}; }
    void setText(const std::string&) override {}
    std::vector<std::string> items;
    int index = -1;
};

class Memo : public IMemo {
public:
    std::vector<std::string> lines() const override { return value; }
    void clear() override
    {
        value.clear();
        handler();
    }
    void addLine(const std::string& l) override
    {
        value.push_back(l);
        handler();
    }
    void setChangeHandler(ChangeHandler h) override { handler = std::move(h); }
    void type(std::vector<std::string> lines)
    {
        value = std::move(lines);
        handler();
    }
    std::vector<std::string> value;
    ChangeHandler handler;
};

class Slider : public IScrollBar {
public:
    int min() const override { return lo; }
    int max() const override { return hi; }
    int position() const override { return pos; }
    void setMin(int v) override { lo = v; }
    void setMax(int v) override { hi = v; }
    void setPosition(int v) override
    {
        if (v != pos) {
            pos = v;
            handler();
        }
    }
    void setPositionSilently(int v) override { pos = v; }
    void setFocus() override {}
    void setChangeHandler(ChangeHandler h) override { handler = std::move(h); }
    int lo = 0, hi = 0, pos = 0;
    ChangeHandler handler;
};

class Picture : public IPicture {
public:
    void setBitmap(std::unique_ptr<Bitmap> b) override { bmp = std::move(b); }
    const Bitmap* bitmap() const override { return bmp.get(); }
    void setBounds(const Rect& r) override { rect = r; }
    Rect bounds() const override { return rect; }
    std::unique_ptr<Bitmap> bmp;
    Rect rect;
};

class ScrollBox : public IScrollBox {
public:
    void setVertPosition(int) override {}
    void setHorzPosition(int) override {}
};

class Boxes : public IMessageBoxes {
public:
    Answer show(MsgKind, const std::string&, MsgButtons buttons) override
    {
        return buttons == MsgButtons::Ok ? Answer::Ok : Answer::No;
    }
};

constexpr int RecordCount = 100000;
constexpr int NoteLineCount = 300000;

struct Window {
    Edit nameedit, styleedit, bdayedit, rdayedit, pdayedit, sdayedit, buyedit, valedit, selledit;
    Combo mfglist, genlist, condlist1, condlist2, condlist3;
    Memo memo;
    Slider recordslide;
    Label rlabel;
    Picture beanimg;
    ScrollBox scroll1;
    Visible hscroll, vscroll;
    Boxes boxes;
    MainState st;

    Window()
    {
        st.ui = {&nameedit, &styleedit,   &bdayedit, &rdayedit, &pdayedit,  &sdayedit,  &buyedit,
                 &valedit,  &selledit,    &mfglist,  &genlist,  &condlist1, &condlist2, &condlist3,
                 &memo,     &recordslide, &rlabel,   &beanimg,  &scroll1,   &hscroll,   &vscroll};
        st.sys.boxes = &boxes;
        st.appDir = "/nonexistent";
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
