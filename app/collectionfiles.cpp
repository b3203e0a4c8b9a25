#include "app/collectionfiles.h"

#include "platform/error.h"

namespace bw {

void saveDataFile(const MainState& st, const StringList& list, const std::string& name)
{
    if (st.unreadFiles.count(name))
        throwCannotCreate(dataFilePath(st.appDir, name));
    saveListFile(list, st.appDir, name);
}

void loadDataFile(MainState& st, StringList& list, const std::string& name)
{
    try {
        loadListFile(list, st.appDir, name);
    } catch (...) {
        st.unreadFiles.insert(name);
        throw;
    }
}

} // namespace bw
