#include "summaries/didyouknow.h"

#include <random>

#include "platform/stringlist.h"
#include "store/files.h"

namespace bw {

std::string chooseFact(const Path& appDir, std::time_t nowSeconds)
{
    // Read anew on every showing: the file may have been edited meanwhile.
    StringList facts;
    facts.loadFromFile(dataFilePath(appDir, "a2.pvd"));
    std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(nowSeconds));
    const int index =
        facts.empty() ? 0 : static_cast<int>(generator() % static_cast<unsigned>(facts.count()));
    // Every line is a whole fact, "|" and all; an empty list has no line 0.
    return facts.at(index);
}

std::time_t factClock()
{
    return std::time(nullptr);
}

void Image9Click(MainState& st)
{
    st.sys.windows->showDidYouKnow(st.appDir);
}

} // namespace bw
