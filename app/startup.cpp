#include "app/startup.h"

#include "editing/picklists.h"
#include "editing/record.h"
#include "pictures/showpicture.h"

namespace bw {

void FormCreate(MainState& st, const std::string& programPath)
{
    // The lists exist from the start (they are members), so an error below
    // leaves a window that works with whatever was loaded so far.
    clearPictureBox(st);
    st.appDir = appDirFromProgramPath(programPath);
    st.sys.windows->showDidYouKnow(st.appDir);
    st.dateOrder = readDateOrder(st.appDir);
    st.newRecordAdded = false;
    fillBuiltInEntries(st);
    st.RecordList.clear();
    st.NoteList.clear();
    st.EntryList.clear();
    st.ui.bdayedit->setText("03121998");
    loadListFile(st.EntryList, st.appDir, "a1.pvd");
    appendUserEntries(st);
    loadListFile(st.NoteList, st.appDir, "a4.pvd");
    loadListFile(st.RecordList, st.appDir, "a3.pvd");
    st.ui.recordslide->setMin(0);
    if (st.RecordList.empty()) {
        // Missing or empty a3.pvd: the No records state.
        st.ui.recordslide->setMax(0);
        st.ui.rlabel->setCaption("No Records.");
        return;
    }
    st.currentIndex = 0;
    // The range is set before the record is shown so that it is right even
    // when the record shows with an error.
    st.ui.recordslide->setMax(st.RecordList.count() - 1);
    showCurrentRecord(st);
}

void FormClose(MainState& st)
{
    if (!st.RecordList.empty()) {
        // Notes typed since the last write-back are kept, not dropped.
        if (st.notesChanged)
            writeBackNotes(st);
        storeCurrentRecord(st);
    }
    saveListFile(st.RecordList, st.appDir, "a3.pvd");
    saveListFile(st.NoteList, st.appDir, "a4.pvd");
}

void helpbuttonClick(MainState& st) { st.sys.desktop->openDocument(st.appDir + "/docs/wickhelp.htm"); }

} // namespace bw
