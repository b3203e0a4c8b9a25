#include "store/files.h"

#include "platform/atomicfile.h"
#include "platform/convert.h"

namespace bw {

Path appDirFromProgramPath(const Path& programPath)
{
    return programPath.parent();
}

Path dataFilePath(const Path& appDir, const std::string& name)
{
    return appDir / name;
}

void loadListFile(StringList& list, const Path& appDir, const std::string& name, FileState* state)
{
    const Path path = dataFilePath(appDir, name);
    if (state)
        *state = FileState{};
    if (somethingAt(path))
        list.loadFromFile(path, state);
}

void saveListFile(const StringList& list, const Path& appDir, const std::string& name)
{
    list.saveToFile(dataFilePath(appDir, name));
}

DateOrder readDateOrder(const Path& appDir)
{
    StringList ini;
    const Path path = dataFilePath(appDir, "bindle.ini");
    if (!fileExists(path))
        return DateOrder::MonthFirst;
    ini.loadFromFile(path);
    if (ini.empty())
        return DateOrder::MonthFirst;
    return upperAZ(ini.at(0)) == "USA" ? DateOrder::MonthFirst : DateOrder::DayFirst;
}

} // namespace bw
