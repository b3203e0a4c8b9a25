#include "app/startup.h"

#include <exception>
#include <string>
#include <vector>

#include "app/collectionfiles.h"
#include "editing/picklists.h"
#include "editing/record.h"
#include "pictures/showpicture.h"
#include "platform/error.h"
#include "platform/guard.h"

namespace bw {

void FormCreate(MainState& st, const Path& programPath)
{
    clearPictureBox(st);
    st.appDir = appDirFromProgramPath(programPath);
    // Only one run holds the folder, so any new file beside a data file was
    // left by a run that was killed while writing.
    removeLeftoverTempFiles({dataFilePath(st.appDir, "a1.pvd"), dataFilePath(st.appDir, "a3.pvd"),
                             dataFilePath(st.appDir, "a4.pvd")});
    st.sys.windows->showDidYouKnow(st.appDir);

    // Each step runs even when one before it failed, so that a broken
    // settings or entries file does not hide the collection; every error is
    // shown, in one box, once everything that could be loaded is on screen.
    std::vector<std::string> errors;
    std::exception_ptr otherError;
    const auto step = [&](auto&& work) {
        try {
            work();
        } catch (const std::exception& e) {
            errors.emplace_back(errorBoxText(e));
        } catch (...) {
            if (!otherError)
                otherError = std::current_exception();
        }
    };
    step([&] { st.dateOrder = readDateOrder(st.appDir); });
    st.newRecordAdded = false;
    fillBuiltInEntries(st);
    st.RecordList.clear();
    st.NoteList.clear();
    st.EntryList.clear();
    st.ui.bdayedit->setText("03121998");
    step([&] {
        loadDataFile(st, st.EntryList, "a1.pvd");
        appendUserEntries(st);
    });
    step([&] { loadDataFile(st, st.NoteList, "a4.pvd"); });
    step([&] { loadDataFile(st, st.RecordList, "a3.pvd"); });
    st.ui.recordslide->setMin(0);
    if (st.RecordList.empty()) {
        // Missing or empty a3.pvd: the No records state.
        st.ui.recordslide->setMax(0);
        st.ui.rlabel->setCaption("No Records.");
    } else {
        st.currentIndex = 0;
        // The range is set before the record is shown so that it is right
        // even when the record shows with an error.
        st.ui.recordslide->setMax(st.RecordList.count() - 1);
        step([&] { showCurrentRecord(st); });
    }
    if (otherError)
        std::rethrow_exception(otherError);
    if (!errors.empty()) {
        std::string all = errors.front();
        for (std::size_t i = 1; i < errors.size(); ++i)
            all += "\n" + errors[i];
        throw PlatformError(all);
    }
}

void FormClose(MainState& st)
{
    confirmOverwrite(st, {"a3.pvd", "a4.pvd"});
    if (!st.RecordList.empty()) {
        // Notes typed since the last write-back are kept, not dropped.
        if (st.notesChanged)
            writeBackNotes(st);
        storeCurrentRecord(st);
    }
    saveCollection(st);
}

void helpbuttonClick(MainState& st)
{
    st.sys.desktop->openDocument(st.appDir / "docs" / "wickhelp.htm");
}

} // namespace bw
