#include "editing/addfind.h"

#include "app/collectionfiles.h"
#include "editing/record.h"
#include "editing/validation.h"
#include "platform/convert.h"

namespace bw {

namespace {

// Cleans, writes back edited notes and stores the shown record, as the add
// does before it writes the files.
void storeShownRecord(MainState& st)
{
    normalizeMoneyFields(st);
    if (st.notesChanged)
        writeBackNotes(st);
    storeCurrentRecord(st);
}

// Index of the first record whose name holds the text (letters a to z
// compared without case); -1 for none or an empty text.
int findByName(const StringList& records, const std::string& upperText)
{
    if (upperText.empty())
        return -1;
    for (int i = 0; i < records.count(); ++i)
        if (upperAZ(splitField(records.at(i), FName)).find(upperText) != std::string::npos)
            return i;
    return -1;
}

} // namespace

void addNewRecord(MainState& st)
{
    confirmOverwrite(st, {"a3.pvd", "a4.pvd"});
    // An empty collection has no shown record to store.
    if (!st.RecordList.empty())
        storeShownRecord(st);
    saveCollection(st);
    st.RecordList.add(newRecordLine(st.keys.makeRecordKey(st.RecordList)));
    const int last = st.RecordList.count() - 1;
    st.newRecordAdded = true;
    st.ui.recordslide->setMax(last);
    st.ui.recordslide->setPosition(last);
    // When the slider was already there (the first record of an empty
    // collection) no change event consumed the flag; it must not swallow the
    // user's next move.
    st.newRecordAdded = false;
    st.currentIndex = last;
    showCurrentRecord(st);
}

void addbuttonClick(MainState& st)
{
    addNewRecord(st);
}

void nameeditKeyUp(MainState& st, int key)
{
    if (key != KeyReturn)
        return;
    const std::string typed = st.ui.nameedit->text();
    const std::string wanted = upperAZ(typed);
    st.ui.nameedit->setText("");
    if (st.RecordList.empty()) {
        try {
            addNewRecord(st);
        } catch (...) {
            // Nothing was added (a write failed or was declined); with no
            // record shown the typed name can wait in the box.
            st.ui.nameedit->setText(typed);
            throw;
        }
        st.ui.nameedit->setText(typed);
        return;
    }
    if (st.shown.name.empty())
        return;
    // The typed text is a command, not a rename: the shown record keeps the
    // name it was shown with through the store below.
    const int match = findByName(st.RecordList, wanted);
    if (match >= 0) {
        const Answer answer = st.sys.boxes->show(MsgKind::Information,
                                                 "Duplication! There is already an entry of " + typed +
                                                     ". Would you like to add another one?",
                                                 MsgButtons::YesNo);
        if (answer == Answer::No) {
            // The record left keeps its edits.
            st.ui.nameedit->setText(st.shown.name);
            storeShownRecord(st);
            st.currentIndex = match;
            try {
                showCurrentRecord(st);
            } catch (...) {
                // Shown with an error: the slider still follows the record.
                st.ui.recordslide->setPositionSilently(st.currentIndex);
                throw;
            }
            st.ui.recordslide->setPosition(st.currentIndex);
            return;
        }
    }
    st.ui.nameedit->setText(st.shown.name);
    try {
        addNewRecord(st);
    } catch (...) {
        // As before Return: the typed name waits in the box to try again.
        st.ui.nameedit->setText(typed);
        throw;
    }
    st.ui.nameedit->setText(typed);
}

} // namespace bw
