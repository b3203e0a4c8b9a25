// a3.pvd and a4.pvd under kill -9: every new file is on disk before the
// first rename, so a killed save leaves both old, both new, or (only between
// the two renames) a3.pvd new and a4.pvd old; never a torn file.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "app/collectionfiles.h"
#include "editing/savedelete.h"
#include "platform/atomicfile.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::Harness;
namespace fs = std::filesystem;

// A collection whose every line says which save wrote it.
void fillGeneration(MainState& st, int gen, int records)
{
    st.RecordList.clear();
    st.NoteList.clear();
    for (int i = 0; i < records; ++i) {
        const std::string key = "K" + std::to_string(1000000 + i);
        st.RecordList.add(key + "|Gen " + std::to_string(gen) +
                          "|4032|12251995|06301998|||12.50||20.00|0|3|1|2|0|0");
        st.NoteList.add(key + "|gen " + std::to_string(gen) + " note");
    }
}

// The generation every line of the file carries; -1 if the lines disagree or
// the file is torn.
int generationOf(const std::string& bytes, int records, const char* marker)
{
    const auto lines = StringList::splitLines(bytes);
    if (static_cast<int>(lines.size()) != records || bytes.size() < 2 ||
        bytes.substr(bytes.size() - 2) != "\r\n")
        return -1;
    int gen = -2;
    for (const auto& l : lines) {
        const auto at = l.find(marker);
        if (at == std::string::npos)
            return -1;
        const int g = std::atoi(l.c_str() + at + std::string(marker).size());
        if (gen != -2 && g != gen)
            return -1;
        gen = g;
    }
    return gen;
}

std::vector<std::string> newFilesLeft(const std::string& dir)
{
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().find(".new~") != std::string::npos)
            out.push_back(e.path().filename().string());
    return out;
}

TEST(Crash, KilledBetweenTheTwoRenamesLeavesA3NewAndA4Old)
{
    Harness h;
    const int records = 50;
    fillGeneration(h.st, 1, records);
    h.st.appDir = h.root();
    saveCollection(h.st);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        fillGeneration(h.st, 2, records);
        betweenRenames([] { ::raise(SIGKILL); });
        try {
            saveCollection(h.st);
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(generationOf(h.read("a3.pvd"), records, "|Gen "), 2);
    EXPECT_EQ(generationOf(h.read("a4.pvd"), records, "|gen "), 1);
    // a4.pvd's new file was never put in place; the next start clears it away.
    EXPECT_EQ(newFilesLeft(h.dir.path).size(), 1u);
    removeLeftoverTempFiles({h.root() / "a3.pvd", h.root() / "a4.pvd"});
    EXPECT_TRUE(newFilesLeft(h.dir.path).empty());
}

// Kills a child at a random moment of one save, many times over, and counts
// what the files hold afterwards. BW_KILL_ROUNDS and BW_KILL_RECORDS make
// the run longer for a measurement.
TEST(Crash, KillNineAtRandomMomentsNeverTearsThePair)
{
    const char* roundsEnv = std::getenv("BW_KILL_ROUNDS");
    const char* recordsEnv = std::getenv("BW_KILL_RECORDS");
    const int rounds = roundsEnv ? std::atoi(roundsEnv) : 40;
    const int records = recordsEnv ? std::atoi(recordsEnv) : 5000;
    Harness h;
    h.st.appDir = h.root();

    // How long one save takes here, so that the kills fall inside it.
    fillGeneration(h.st, 0, records);
    const auto t0 = std::chrono::steady_clock::now();
    saveCollection(h.st);
    const auto took = std::chrono::steady_clock::now() - t0;
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(took).count() * 5 / 4 + 1;

    std::mt19937 rng(20261211);
    int bothOld = 0, bothNew = 0, a3NewA4Old = 0, torn = 0;
    for (int round = 1; round <= rounds; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            MainState st;
            st.appDir = h.st.appDir;
            st.sys.boxes = &h.boxes;
            fillGeneration(st, round, records);
            st.onDisk.clear();
            const char go = 'g';
            (void)!::write(ready[1], &go, 1);
            try {
                saveCollection(st);
            } catch (...) {
            }
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char go = 0;
        (void)!::read(ready[0], &go, 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<long>(0, span)(rng)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const int g3 = generationOf(h.read("a3.pvd"), records, "|Gen ");
        const int g4 = generationOf(h.read("a4.pvd"), records, "|gen ");
        const int before = round - 1;
        if (g3 == before && g4 == before)
            ++bothOld;
        else if (g3 == round && g4 == round)
            ++bothNew;
        else if (g3 == round && g4 == before)
            ++a3NewA4Old;
        else
            ++torn;
        // The next round starts from a whole pair of this round's generation.
        fillGeneration(h.st, round, records);
        h.st.onDisk.clear();
        saveCollection(h.st);
        removeLeftoverTempFiles({h.root() / "a3.pvd", h.root() / "a4.pvd"});
    }
    std::cout << "kill -9 during a save of " << records << " records, " << rounds << " rounds: both old "
              << bothOld << ", both new " << bothNew << ", a3 new and a4 old " << a3NewA4Old << ", torn "
              << torn << "\n";
    EXPECT_EQ(torn, 0);
    EXPECT_TRUE(newFilesLeft(h.dir.path).empty());
}

} // namespace
} // namespace bw
