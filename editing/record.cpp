#include "editing/record.h"

#include "pictures/pictureref.h"
#include "pictures/showpicture.h"
#include "platform/atomicfile.h"
#include "platform/convert.h"
#include "platform/error.h"
#include "platform/fieldtext.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace bw {

namespace {

const char* const MissingPicture = "Your picture isn't there any more!";
const char* const DeleteReference = " Would you like to delete the reference?";

// Puts one index field into its list. A field that is no whole number leaves
// the list without a selection and the snapshot at -1, so that the record can
// still be shown and stored as itself; the error is raised by the caller once
// the whole record is on screen.
void showIndexField(IComboBox& list, const std::string& field, int& shown,
                    std::optional<std::string>& badField)
{
    int value = -1;
    if (!tryStrToInt(field, value)) {
        if (!badField)
            badField = field;
    }
    list.setItemIndex(value);
    shown = value;
}

// A hash of field 0 of every line of NoteList, in list order. Finding a
// record's notes then reads eight bytes a line instead of each line's text,
// which keeps a record step fast in a large collection. Any change to the list
// made elsewhere (load, save, delete) shows in its revision, and the hashes are
// worked out again on the next use.
class NoteKeys {
public:
    static std::uint64_t hashKey(std::string_view key) { return std::hash<std::string_view>{}(key); }

    const std::vector<std::uint64_t>& of(const StringList& notes)
    {
        if (&notes != list_ || notes.revision() != revision_ || hashes_.size() != notes.lines().size()) {
            hashes_.clear();
            hashes_.reserve(notes.lines().size());
            for (const std::string& line : notes.lines())
                hashes_.push_back(hashKey(std::string_view(line).substr(0, line.find('|'))));
            list_ = &notes;
            revision_ = notes.revision();
        }
        return hashes_;
    }

    // Positions of the lines whose field 0 is key, in list order.
    std::vector<std::size_t> linesOf(const StringList& notes, const std::string& key)
    {
        const std::vector<std::uint64_t>& hashes = of(notes);
        const std::uint64_t wanted = hashKey(key);
        std::vector<std::size_t> found;
        for (std::size_t i = 0; i < hashes.size(); ++i)
            if (hashes[i] == wanted && lineHasKey(notes.lines()[i], key))
                found.push_back(i);
        return found;
    }

    // Follows a write-back that removed the lines at `removed` (ascending) and
    // then appended `added` lines of key, instead of hashing every line again.
    void followWriteBack(const StringList& notes, const std::vector<std::size_t>& removed,
                         const std::string& key, std::size_t added)
    {
        std::size_t kept = 0, next = 0;
        for (std::size_t i = 0; i < hashes_.size(); ++i) {
            if (next < removed.size() && removed[next] == i)
                ++next;
            else
                hashes_[kept++] = hashes_[i];
        }
        hashes_.resize(kept);
        hashes_.insert(hashes_.end(), added, hashKey(key));
        revision_ = notes.revision();
    }

private:
    const StringList* list_ = nullptr;
    std::uint64_t revision_ = 0;
    std::vector<std::uint64_t> hashes_;
};

// The program shows one window on one thread; tests that build several
// windows only cost a fresh pass when they switch between them.
NoteKeys& noteKeys()
{
    static NoteKeys keys;
    return keys;
}

void showNotes(MainState& st, const std::string& key)
{
    // Taken before the memo is touched: its change handler runs inside.
    std::vector<std::string> texts;
    for (std::size_t i : noteKeys().linesOf(st.NoteList, key))
        texts.push_back(splitField(st.NoteList.lines()[i], 1));
    st.trackNoteEdits = false;
    st.ui.memo->clear();
    for (const std::string& text : texts)
        st.ui.memo->addLine(text);
    st.trackNoteEdits = true;
}

void showPicture(MainState& st)
{
    if (st.picturePath.empty())
        return;
    // A folder or a device is no picture.
    if (isRegularFile(st.picturePath)) {
        loadPictureIntoBox(st, st.picturePath);
        return;
    }
    const Answer answer = st.sys.boxes->show(MsgKind::Confirm, std::string(MissingPicture) + DeleteReference,
                                             MsgButtons::YesNo);
    // The record line itself changes only at its next store.
    if (answer == Answer::Yes) {
        st.picturePath.clear();
        st.pictureField.clear();
    }
}

} // namespace

void showCurrentRecord(MainState& st)
{
    // Read before anything changes: an index without a record leaves the
    // window as it was.
    const std::string line = st.RecordList.at(st.currentIndex);
    const auto field = [&line](int f) { return splitField(line, f); };
    const MainControls& ui = st.ui;
    ShownSnapshot& shown = st.shown;

    ui.rlabel->setCaption("Record " + std::to_string(st.currentIndex + 1) + " of " +
                          std::to_string(st.RecordList.count()));
    clearPictureBox(st);

    const auto showText = [&](IEdit& edit, int f, std::string& snapshot) {
        snapshot = field(f);
        edit.setText(snapshot);
    };
    showText(*ui.nameedit, FName, shown.name);
    showText(*ui.styleedit, FStyle, shown.style);
    showText(*ui.bdayedit, FBirthday, shown.birthday);
    showText(*ui.rdayedit, FRetired, shown.retired);
    showText(*ui.pdayedit, FPurchaseDate, shown.purchaseDate);
    showText(*ui.sdayedit, FSellDate, shown.sellDate);

    const auto showMoney = [&](IEdit& edit, int f, std::string& snapshot) {
        snapshot = field(f);
        if (snapshot.empty())
            snapshot = "0.00";
        edit.setText(snapshot);
    };
    showMoney(*ui.buyedit, FPurchasePrice, shown.purchasePrice);
    showMoney(*ui.selledit, FSellPrice, shown.sellPrice);
    showMoney(*ui.valedit, FMarketValue, shown.marketValue);

    std::optional<std::string> badField;
    showIndexField(*ui.mfglist, field(FManufacturer), shown.manufacturer, badField);
    showIndexField(*ui.genlist, field(FGeneration), shown.generation, badField);
    showIndexField(*ui.condlist1, field(FGeneralCondition), shown.generalCondition, badField);
    showIndexField(*ui.condlist2, field(FHangTagCondition), shown.hangTagCondition, badField);
    showIndexField(*ui.condlist3, field(FTushTagCondition), shown.tushTagCondition, badField);

    showNotes(st, field(FKey));

    ui.hscroll->setVisible(false);
    ui.vscroll->setVisible(false);

    st.picturePath = picturePathFromField(field(FPicture), st.appDir);
    st.pictureField = fieldToStore(field(FPicture), st.picturePath);
    showPicture(st);

    if (badField)
        throwNotInteger(*badField);
}

bool isRecordModified(const MainState& st)
{
    const MainControls& ui = st.ui;
    const ShownSnapshot& shown = st.shown;
    return ui.nameedit->text() != shown.name || ui.styleedit->text() != shown.style ||
           ui.bdayedit->text() != shown.birthday || ui.rdayedit->text() != shown.retired ||
           ui.pdayedit->text() != shown.purchaseDate || ui.sdayedit->text() != shown.sellDate ||
           ui.buyedit->text() != shown.purchasePrice || ui.selledit->text() != shown.sellPrice ||
           ui.valedit->text() != shown.marketValue || ui.mfglist->itemIndex() != shown.manufacturer ||
           ui.genlist->itemIndex() != shown.generation ||
           ui.condlist1->itemIndex() != shown.generalCondition ||
           ui.condlist2->itemIndex() != shown.hangTagCondition ||
           ui.condlist3->itemIndex() != shown.tushTagCondition || !st.picturePath.empty();
}

void storeCurrentRecord(MainState& st)
{
    const MainControls& ui = st.ui;
    const std::string& old = st.RecordList.at(st.currentIndex);
    std::string line = splitField(old, FKey);
    // Whatever the controls hold, no text splits the line.
    const auto add = [&line](const std::string& value) {
        line += '|';
        line += asFieldText(value);
    };
    // Without a1.pvd the added entries are missing from the lists, so a
    // position naming one shows no selection; it is kept as it was unless the
    // user picks an entry.
    const bool entriesUnread = st.unreadFiles.count("a1.pvd") != 0;
    const auto addIndex = [&](const IComboBox& list, int field) {
        const int index = list.itemIndex();
        add(index < 0 && entriesUnread ? splitField(old, field) : std::to_string(index));
    };
    add(ui.nameedit->text());
    add(ui.styleedit->text());
    add(ui.bdayedit->text());
    add(ui.rdayedit->text());
    add(ui.pdayedit->text());
    add(ui.sdayedit->text());
    add(ui.buyedit->text());
    add(ui.selledit->text());
    add(ui.valedit->text());
    addIndex(*ui.mfglist, FManufacturer);
    addIndex(*ui.genlist, FGeneration);
    addIndex(*ui.condlist1, FGeneralCondition);
    addIndex(*ui.condlist2, FHangTagCondition);
    addIndex(*ui.condlist3, FTushTagCondition);
    add(st.pictureField);
    st.RecordList.set(st.currentIndex, std::move(line));
}

void writeBackNotes(MainState& st)
{
    // The key is read first: if there is no record, the flag stays set and
    // the typed notes are not thrown away.
    const std::string key = getField(st.RecordList, st.currentIndex, FKey);
    st.notesChanged = false;
    NoteKeys& keys = noteKeys();
    const std::vector<std::size_t> removed = keys.linesOf(st.NoteList, key);
    st.NoteList.removeIf([&key](const std::string& line) { return lineHasKey(line, key); });
    const std::vector<std::string> texts = st.ui.memo->lines();
    for (const std::string& text : texts)
        st.NoteList.add(key + "|" + asFieldText(text));
    keys.followWriteBack(st.NoteList, removed, key, texts.size());
}

void memoChange(MainState& st)
{
    if (st.trackNoteEdits)
        st.notesChanged = true;
}

} // namespace bw
