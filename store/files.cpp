#include "store/files.h"

#include "platform/atomicfile.h"
#include "platform/convert.h"

namespace bw {

std::string appDirFromProgramPath(const std::string& programPath)
{
    const auto slash = programPath.find_last_of('/');
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash);
}

std::string dataFilePath(const std::string& appDir, const std::string& name)
{
    return appDir + "/" + name;
}

void loadListFile(StringList& list, const std::string& appDir, const std::string& name, FileState* state)
{
    const std::string path = dataFilePath(appDir, name);
    if (state)
        *state = FileState{};
    if (somethingAt(path))
        list.loadFromFile(path, state);
}

void saveListFile(const StringList& list, const std::string& appDir, const std::string& name)
{
    list.saveToFile(dataFilePath(appDir, name));
}

DateOrder readDateOrder(const std::string& appDir)
{
    StringList ini;
    const std::string path = dataFilePath(appDir, "bindle.ini");
    if (!fileExists(path))
        return DateOrder::MonthFirst;
    ini.loadFromFile(path);
    if (ini.empty())
        return DateOrder::MonthFirst;
    return upperAZ(ini.at(0)) == "USA" ? DateOrder::MonthFirst : DateOrder::DayFirst;
}

} // namespace bw
