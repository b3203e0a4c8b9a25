#include "editing/navigation.h"

#include "editing/record.h"
#include "editing/validation.h"

namespace bw {

namespace {

const char* const RetiredBeforeBirth = "Beanies can't retire before birth!";
const char* const SoldBeforeBought =
    "It's a bit difficult to sell a beanie before you bought it, don't you think?";

void warnAboutDates(MainState& st)
{
    switch (checkDates(st)) {
    case 8:
        st.sys.boxes->show(MsgKind::Warning, RetiredBeforeBirth, MsgButtons::Ok);
        break;
    case 9:
        st.sys.boxes->show(MsgKind::Warning, SoldBeforeBought, MsgButtons::Ok);
        break;
    default:
        break;
    }
}

// Stores the record on screen back into the lists.
void leaveCurrentRecord(MainState& st)
{
    const bool modified = isRecordModified(st);
    if (modified)
        normalizeMoneyFields(st);
    // Edited notes go back even when nothing else changed, or they would be
    // lost as soon as another record is shown.
    if (st.notesChanged)
        writeBackNotes(st);
    if (modified)
        warnAboutDates(st);
    storeCurrentRecord(st);
}

} // namespace

void recordslideChange(MainState& st)
{
    if (st.newRecordAdded) {
        // The add shows its new record itself.
        st.newRecordAdded = false;
        return;
    }
    int target = st.currentIndex;
    try {
        // Without a record on screen (an empty collection) there is nothing
        // to store.
        if (st.currentIndex >= 0 && st.currentIndex < st.RecordList.count())
            leaveCurrentRecord(st);
        target = st.ui.recordslide->position();
        // Checked before the move so that a position without a record keeps
        // the old record current.
        (void)st.RecordList.at(target);
    } catch (...) {
        // The record left is still on screen: the slider goes back to it.
        st.ui.recordslide->setPositionSilently(st.currentIndex);
        throw;
    }
    st.currentIndex = target;
    // The record exists, so showing it can only fail once all of it is on
    // screen: the slider and currentIndex already agree.
    showCurrentRecord(st);
}

} // namespace bw
