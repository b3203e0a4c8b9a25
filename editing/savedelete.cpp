#include "editing/savedelete.h"

#include <set>

#include "app/collectionfiles.h"
#include "editing/record.h"
#include "pictures/showpicture.h"

namespace bw {

namespace {

// A collection that has become empty looks like one that started empty.
void showNoRecordsState(MainState& st)
{
    MainControls& ui = st.ui;
    st.currentIndex = 0;
    st.picturePath.clear();
    st.pictureField.clear();
    st.shown = ShownSnapshot{};
    st.trackNoteEdits = false;
    st.notesChanged = false;
    ui.rlabel->setCaption("No Records.");
    ui.recordslide->setPositionSilently(0);
    ui.recordslide->setMax(0);
    for (IEdit* e : {ui.nameedit, ui.styleedit, ui.bdayedit, ui.rdayedit, ui.pdayedit, ui.sdayedit,
                     ui.buyedit, ui.valedit, ui.selledit})
        e->setText("");
    for (IComboBox* c : {ui.mfglist, ui.genlist, ui.condlist1, ui.condlist2, ui.condlist3})
        c->setItemIndex(0);
    ui.memo->clear();
    clearPictureBox(st);
}

// After both files are written and read back: the first record, or the empty
// state.
void showFirstRecord(MainState& st)
{
    if (st.RecordList.empty()) {
        showNoRecordsState(st);
        return;
    }
    st.currentIndex = 0;
    showCurrentRecord(st);
    st.ui.recordslide->setPosition(0);
    st.ui.recordslide->setMax(st.RecordList.count() - 1);
}

// After an error part-way through: the window, currentIndex and the slider
// agree with RecordList again, so no later store lands on another record.
void realign(MainState& st) noexcept
{
    try {
        if (st.RecordList.empty()) {
            showNoRecordsState(st);
            return;
        }
        if (st.currentIndex < 0 || st.currentIndex >= st.RecordList.count())
            st.currentIndex = 0;
        st.ui.recordslide->setPositionSilently(0);
        st.ui.recordslide->setMax(st.RecordList.count() - 1);
        st.ui.recordslide->setPositionSilently(st.currentIndex);
        showCurrentRecord(st);
    } catch (...) {
        // The first error is the one the user sees.
    }
}

template <class Step> void withRealignOnError(MainState& st, Step step)
{
    try {
        step();
    } catch (...) {
        realign(st);
        throw;
    }
}

// Writes both lists and reads them back. A failed read keeps the list as
// written.
void writeAndReload(MainState& st)
{
    saveCollection(st);
    reloadDataFile(st, st.RecordList, "a3.pvd");
    reloadDataFile(st, st.NoteList, "a4.pvd");
}

} // namespace

void savebuttClick(MainState& st)
{
    confirmOverwrite(st, {"a3.pvd", "a4.pvd"});
    withRealignOnError(st, [&] {
        if (!st.RecordList.empty()) {
            storeCurrentRecord(st);
            if (st.notesChanged && !getField(st.RecordList, st.currentIndex, FName).empty())
                writeBackNotes(st);
        }
        // Drop every unnamed record with all note lines of its key.
        std::set<std::string> dropped;
        st.RecordList.removeIf([&](const std::string& line) {
            if (!splitField(line, FName).empty())
                return false;
            dropped.insert(splitField(line, FKey));
            return true;
        });
        if (!dropped.empty())
            st.NoteList.removeIf(
                [&](const std::string& line) { return dropped.count(splitField(line, FKey)) != 0; });
        writeAndReload(st);
        showFirstRecord(st);
    });
}

void deletebuttonClick(MainState& st)
{
    // Nothing is shown, so there is nothing to delete.
    if (st.RecordList.empty())
        return;
    if (st.sys.boxes->show(MsgKind::Confirm,
                           "Are you sure you want to delete " + st.ui.nameedit->text() + " ?",
                           MsgButtons::YesNo) != Answer::Yes)
        return;
    confirmOverwrite(st, {"a3.pvd", "a4.pvd"});
    withRealignOnError(st, [&] {
        const std::string key = getField(st.RecordList, st.currentIndex, FKey);
        st.RecordList.remove(st.currentIndex);
        st.NoteList.removeIf([&](const std::string& line) { return lineHasKey(line, key); });
        // Both files are replaced together, so the notes never outlive their
        // record on disk.
        writeAndReload(st);
        showFirstRecord(st);
    });
}

} // namespace bw
