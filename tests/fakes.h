#pragma once
// Plain in-memory controls and scripted services for driving the logic in
// tests and benchmarks without a window.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/mainstate.h"
#include "platform/error.h"

namespace bw::test {

class FakeVisible : public IVisible {
public:
    void setVisible(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    bool visible = false;
};

class FakeEdit : public IEdit {
public:
    std::string text() const override { return value; }
    void setText(const std::string& t) override { value = t; }
    std::string value;
};

class FakeLabel : public ILabel {
public:
    std::string caption() const override { return value; }
    void setCaption(const std::string& c) override { value = c; }
    std::string value;
};

class FakeComboBox : public IComboBox {
public:
    int count() const override { return static_cast<int>(items.size()); }
    std::string item(int i) const override
    {
        if (i < 0 || i >= count())
            throwListIndexError(i);
        return items[static_cast<std::size_t>(i)];
    }
    void addItem(const std::string& t) override { items.push_back(t); }
    int itemIndex() const override { return index; }
    void setItemIndex(int i) override
    {
        index = (i >= 0 && i < count()) ? i : -1;
        value = index >= 0 ? items[static_cast<std::size_t>(index)] : std::string();
    }
    std::string text() const override { return value; }
    void setText(const std::string& t) override { value = t; }
    // What a user does: types into the edit part (the selection stays).
    void type(const std::string& t) { value = t; }
    std::vector<std::string> items;
    int index = -1;
    std::string value;
};

class FakeMemo : public IMemo {
public:
    std::vector<std::string> lines() const override { return value; }
    void clear() override
    {
        value.clear();
        changed();
    }
    void addLine(const std::string& l) override
    {
        value.push_back(l);
        changed();
    }
    void setChangeHandler(ChangeHandler h) override { handler = std::move(h); }
    // What a user does: replaces the text.
    void type(std::vector<std::string> lines)
    {
        value = std::move(lines);
        changed();
    }
    std::vector<std::string> value;
    ChangeHandler handler;

private:
    void changed()
    {
        if (handler)
            handler();
    }
};

class FakeScrollBar : public IScrollBar {
public:
    int min() const override { return lo; }
    int max() const override { return hi; }
    int position() const override { return pos; }
    void setMin(int v) override
    {
        lo = v;
        clampAndFire();
    }
    void setMax(int v) override
    {
        hi = v;
        clampAndFire();
    }
    void setPosition(int v) override
    {
        const int old = pos;
        pos = clamp(v);
        if (pos != old && handler)
            handler();
    }
    void setPositionSilently(int v) override { pos = clamp(v); }
    void setFocus() override { ++focusCount; }
    void setChangeHandler(ChangeHandler h) override { handler = std::move(h); }
    int lo = 0, hi = 100, pos = 0;
    int focusCount = 0;
    ChangeHandler handler;

private:
    int clamp(int v) const { return v < lo ? lo : (v > hi ? hi : v); }
    void clampAndFire() { setPosition(pos); }
};

class FakeBitmap : public Bitmap {
public:
    FakeBitmap(int w, int h, std::string from = {}) : w_(w), h_(h), source(std::move(from)) {}
    int width() const override { return w_; }
    int height() const override { return h_; }
    bool isNull() const override { return w_ == 0 || h_ == 0; }
    std::unique_ptr<Bitmap> clone() const override { return std::make_unique<FakeBitmap>(*this); }

private:
    int w_, h_;

public:
    std::string source;
};

class FakePicture : public IPicture {
public:
    void setBitmap(std::unique_ptr<Bitmap> b) override { bmp = std::move(b); }
    const Bitmap* bitmap() const override { return bmp.get(); }
    void setBounds(const Rect& r) override { rect = r; }
    Rect bounds() const override { return rect; }
    std::unique_ptr<Bitmap> bmp;
    Rect rect{0, -2, 95, 81};
};

class FakeScrollBox : public IScrollBox {
public:
    void setVertPosition(int v) override { calls.push_back("v" + std::to_string(v)); }
    void setHorzPosition(int v) override { calls.push_back("h" + std::to_string(v)); }
    std::vector<std::string> calls;
};

struct ShownBox {
    MsgKind kind;
    std::string text;
    MsgButtons buttons;
};

// Answers come from a script; every box shown is recorded.
class FakeMessageBoxes : public IMessageBoxes {
public:
    Answer show(MsgKind kind, const std::string& text, MsgButtons buttons) override
    {
        shown.push_back({kind, text, buttons});
        if (buttons == MsgButtons::Ok)
            return Answer::Ok;
        if (answers.empty()) {
            unscripted.push_back(text);
            return Answer::No;
        }
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void answer(Answer a) { answers.push_back(a); }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const auto& b : shown)
            t.push_back(b.text);
        return t;
    }
    std::deque<Answer> answers;
    std::vector<ShownBox> shown;
    // Questions asked with no answer scripted (answered No); a test fails on any.
    std::vector<std::string> unscripted;
};

// Bitmaps by path; any other path loads as a null bitmap.
class FakeImageLoader : public IImageLoader {
public:
    std::unique_ptr<Bitmap> load(const Path& file) override
    {
        const std::string& path = file.native();
        loaded.push_back(path);
        auto it = sizes.find(path);
        if (it == sizes.end())
            return std::make_unique<FakeBitmap>(0, 0, path);
        return std::make_unique<FakeBitmap>(it->second.first, it->second.second, path);
    }
    std::map<std::string, std::pair<int, int>> sizes;
    std::vector<std::string> loaded;
};

class FakePictureDialog : public IPictureDialog {
public:
    std::optional<Path> execute() override
    {
        ++runs;
        if (!choice)
            return std::nullopt;
        return Path::fromNative(*choice);
    }
    std::optional<std::string> choice;
    int runs = 0;
};

class FakeSaveDialog : public ISaveDialog {
public:
    std::optional<Path> execute(const std::string& title, const std::string& suggested,
                                const std::string& filter) override
    {
        asked.push_back({title, suggested, filter});
        if (!choice)
            return std::nullopt;
        return Path::fromNative(*choice);
    }
    struct Asked {
        std::string title, suggested, filter;
    };
    std::optional<std::string> choice;
    std::vector<Asked> asked;
};

// Counts the steps; answers "cancelled" from step cancelAt on.
class FakeProgressReporter : public IProgressReporter {
public:
    std::unique_ptr<IProgress> begin(const std::string& label, long total) override
    {
        labels.push_back(label);
        totals.push_back(total);
        return std::make_unique<Progress>(*this);
    }
    long cancelAt = -1;
    long steps = 0;
    std::vector<std::string> labels;
    std::vector<long> totals;

private:
    struct Progress : IProgress {
        explicit Progress(FakeProgressReporter& r) : r(r) {}
        bool step(long done) override
        {
            ++r.steps;
            return r.cancelAt < 0 || done < r.cancelAt;
        }
        FakeProgressReporter& r;
    };
};

class FakeDesktop : public IDesktop {
public:
    void openDocument(const Path& p) override { opened.push_back(p.native()); }
    std::vector<std::string> opened;
};

// Records each window shown; the search window answers from a script.
class FakeWindows : public ISecondaryWindows {
public:
    void showDidYouKnow(const Path& appDir) override { shown.push_back("didyano:" + appDir.native()); }
    void showFinances(const std::array<float, 12>& f) override
    {
        shown.push_back("finform");
        figures = f;
    }
    void showSearch(std::string& text, int& kind) override
    {
        shown.push_back("finder");
        if (searchAnswer) {
            text = searchAnswer->first;
            kind = searchAnswer->second;
        }
    }
    void showCloseup(const Bitmap* picture) override
    {
        shown.push_back("upclose");
        closeupPicture = picture ? std::optional<std::pair<int, int>>({picture->width(), picture->height()})
                                 : std::nullopt;
    }
    std::vector<std::string> shown;
    std::array<float, 12> figures{};
    std::optional<std::pair<std::string, int>> searchAnswer; // nullopt: Cancel
    std::optional<std::pair<int, int>> closeupPicture;
};

// A print surface that records what is drawn, page by page.
struct PrintedText {
    int page, x, y;
    std::string text;
};

class RecordingSurface : public IPrintSurface {
public:
    RecordingSurface(int w, int h) : w_(w), h_(h) {}
    int pageWidth() const override { return w_; }
    int pageHeight() const override { return h_; }
    void beginDoc() override
    {
        ++begun;
        pages = 1;
    }
    void textOut(int x, int y, const std::string& t) override { texts.push_back({pages - 1, x, y, t}); }
    void stretchDraw(const Rect& r, const Bitmap& b) override
    {
        pictures.push_back(r);
        pictureSizes.emplace_back(b.width(), b.height());
    }
    void newPage() override { ++pages; }
    void endDoc() override { ++ended; }
    int begun = 0, ended = 0, pages = 0;
    std::vector<PrintedText> texts;
    std::vector<Rect> pictures;
    std::vector<std::pair<int, int>> pictureSizes;

private:
    int w_, h_;
};

class FakePrinter : public IPrinter {
public:
    std::unique_ptr<IPrintSurface> open() override
    {
        if (!available)
            throw PlatformError("There is no default printer currently selected");
        return record();
    }
    // Needs no printer.
    std::unique_ptr<IPrintSurface> openPdf(const Path& path) override
    {
        pdfPaths.push_back(path.native());
        return record();
    }
    bool available = true;
    int width = 2400, height = 3300;
    RecordingSurface* last = nullptr;
    std::vector<std::string> pdfPaths;

private:
    std::unique_ptr<IPrintSurface> record()
    {
        auto s = std::make_unique<RecordingSurface>(width, height);
        last = s.get();
        opened.push_back(std::move(s));
        return std::make_unique<Forward>(*last);
    }
    // Keeps the recording alive after the logic releases its surface.
    struct Forward : IPrintSurface {
        explicit Forward(RecordingSurface& r) : r(r) {}
        int pageWidth() const override { return r.pageWidth(); }
        int pageHeight() const override { return r.pageHeight(); }
        void beginDoc() override { r.beginDoc(); }
        void textOut(int x, int y, const std::string& t) override { r.textOut(x, y, t); }
        void stretchDraw(const Rect& rc, const Bitmap& b) override { r.stretchDraw(rc, b); }
        void newPage() override { r.newPage(); }
        void endDoc() override { r.endDoc(); }
        RecordingSurface& r;
    };
    std::vector<std::unique_ptr<RecordingSurface>> opened;
};

// Every control of the main window, in memory.
struct FakeControls {
    FakeEdit nameedit, styleedit, bdayedit, rdayedit, pdayedit, sdayedit, buyedit, valedit, selledit;
    FakeComboBox mfglist, genlist, condlist1, condlist2, condlist3;
    FakeMemo memo;
    FakeScrollBar recordslide;
    FakeLabel rlabel;
    FakePicture beanimg;
    FakeScrollBox scroll1;
    FakeVisible hscroll, vscroll;

    MainControls controls()
    {
        return {&nameedit, &styleedit,   &bdayedit, &rdayedit, &pdayedit,  &sdayedit,  &buyedit,
                &valedit,  &selledit,    &mfglist,  &genlist,  &condlist1, &condlist2, &condlist3,
                &memo,     &recordslide, &rlabel,   &beanimg,  &scroll1,   &hscroll,   &vscroll};
    }
};

} // namespace bw::test
