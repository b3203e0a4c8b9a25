#include "app/collectionfiles.h"

#include "platform/error.h"

namespace bw {

namespace {

bool changedOnDisk(const MainState& st, const std::string& name)
{
    const auto known = st.onDisk.find(name);
    // A file this run never read is not its to judge.
    if (known == st.onDisk.end())
        return false;
    return fileStateOf(dataFilePath(st.appDir, name)) != known->second;
}

// Every list to its file in one write, keeping backups of what it replaces.
void writeTogether(MainState& st, const std::vector<std::pair<const StringList*, const char*>>& lists)
{
    std::vector<std::string> bytes;
    bytes.reserve(lists.size());
    std::vector<FileWrite> files;
    for (const auto& [list, name] : lists) {
        bytes.push_back(list->joined());
        FileWrite& f = files.emplace_back();
        f.path = dataFilePath(st.appDir, name);
        f.bytes = &bytes.back();
    }
    BackupResult backups;
    const auto keep = [&](std::vector<FileWrite>& ready) {
        if (!st.keepBackups)
            return;
        std::vector<BackupSource> sources;
        for (std::size_t i = 0; i < ready.size(); ++i)
            sources.push_back({lists[i].second, ready[i].target});
        backups = makeBackups(backupFolder(st), sources, st.clock());
    };
    const auto warnOnce = [&] {
        if (backups.failure.empty() || st.backupFailureShown)
            return;
        st.backupFailureShown = true;
        st.sys.boxes->show(MsgKind::Warning,
                           "A backup copy of " + dataFilePath(st.appDir, backups.failedName).messageText() +
                               " could not be kept in " + backupFolder(st).messageText() +
                               ". The file is saved all the same.\n" + backups.failure,
                           MsgButtons::Ok);
    };
    try {
        writeFilesAtomically(files, keep);
    } catch (...) {
        // Copies of files that were not replaced would only repeat them.
        std::vector<Path> stale;
        for (std::size_t i = 0; i < files.size(); ++i)
            if (!files[i].replaced)
                for (const auto& copy : backups.made)
                    if (copy.fileName().starts_with(std::string(lists[i].second) + "."))
                        stale.push_back(copy);
        discardBackups(stale);
        for (std::size_t i = 0; i < files.size(); ++i)
            if (files[i].replaced)
                st.onDisk[lists[i].second] = files[i].written;
        // The warning says the file is saved; here it was not.
        throw;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        st.onDisk[lists[i].second] = files[i].written;
        if (st.keepBackups)
            pruneBackups(backupFolder(st), lists[i].second);
    }
    warnOnce();
}

} // namespace

void confirmOverwrite(MainState& st, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (st.unreadFiles.count(name) || !changedOnDisk(st, name))
            continue;
        const Path path = dataFilePath(st.appDir, name);
        const Answer answer =
            st.sys.boxes->show(MsgKind::Confirm,
                               "The file " + path.messageText() +
                                   " was changed by another program since Bindlewick last read or wrote it.\n"
                                   "Overwrite it?",
                               MsgButtons::YesNoDefaultNo);
        if (answer != Answer::Yes)
            throw Declined();
        // Yes stands for the file as it is now.
        st.onDisk[name] = fileStateOf(path);
    }
}

Path backupFolder(const MainState& st)
{
    return st.appDir / "backups";
}

void saveDataFiles(MainState& st, const std::vector<std::pair<const StringList*, const char*>>& all)
{
    // The files before one that could not be read at start-up are written;
    // that one stops the write, as a failure to write it would.
    std::vector<std::pair<const StringList*, const char*>> lists;
    const char* unread = nullptr;
    for (const auto& entry : all) {
        if (st.unreadFiles.count(entry.second)) {
            unread = entry.second;
            break;
        }
        lists.push_back(entry);
    }
    // Asked again here: a date warning shown since the caller asked may have
    // left time for another program to change a file.
    for (const auto& entry : lists)
        confirmOverwrite(st, {entry.second});
    if (!lists.empty())
        writeTogether(st, lists);
    if (unread)
        throwCannotCreate(dataFilePath(st.appDir, unread),
                          "It could not be read when Bindlewick started, so it is left as it is.");
}

void saveDataFile(MainState& st, const StringList& list, const char* name)
{
    saveDataFiles(st, {{&list, name}});
}

void saveCollection(MainState& st)
{
    saveDataFiles(st, {{&st.RecordList, "a3.pvd"}, {&st.NoteList, "a4.pvd"}});
}

void loadDataFile(MainState& st, StringList& list, const std::string& name)
{
    try {
        loadListFile(list, st.appDir, name, &st.onDisk[name]);
    } catch (...) {
        st.onDisk.erase(name);
        st.unreadFiles.insert(name);
        throw;
    }
}

void reloadDataFile(MainState& st, StringList& list, const std::string& name)
{
    FileState state;
    loadListFile(list, st.appDir, name, &state);
    st.onDisk[name] = state;
}

} // namespace bw
