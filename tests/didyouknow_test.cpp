#include <gtest/gtest.h>

#include <set>
#include <string>

#include "summaries/didyouknow.h"
#include "tests/harness.h"

namespace bw {
namespace {

struct Facts {
    test::TempDir dir;
    void write(const std::string& bytes) const { test::writeFile(dir.path + "/a2.pvd", bytes); }
    std::string pick(std::time_t t) const { return chooseFact(dir.root(), t); }
};

TEST(DidYouKnow, SingleLineIsAlwaysShown)
{
    Facts f;
    f.write("Tags tell the story.\r\n");
    for (std::time_t t : {std::time_t(0), std::time_t(1), std::time_t(977000000), factClock()})
        EXPECT_EQ(f.pick(t), "Tags tell the story.") << t;
}

TEST(DidYouKnow, EachLineIsAWholeFactPipeIncluded)
{
    Facts f;
    f.write("First fact.\r\nSecond | with a pipe|\r\nThird fact.\r\n");
    const std::set<std::string> lines{"First fact.", "Second | with a pipe|", "Third fact."};
    std::set<std::string> seen;
    for (std::time_t t = 1000000000; t < 1000000200; ++t) {
        const std::string fact = f.pick(t);
        EXPECT_TRUE(lines.count(fact)) << fact;
        seen.insert(fact);
    }
    EXPECT_EQ(seen, lines);
}

TEST(DidYouKnow, SameSecondSameFact)
{
    Facts f;
    std::string many;
    for (int i = 0; i < 40; ++i)
        many += "Fact number " + std::to_string(i) + "\r\n";
    f.write(many);
    std::set<std::string> seen;
    for (std::time_t t = 1200000000; t < 1200000050; ++t) {
        EXPECT_EQ(f.pick(t), f.pick(t));
        seen.insert(f.pick(t));
    }
    // Different seconds do move through the list.
    EXPECT_GT(seen.size(), 10u);
}

TEST(DidYouKnow, FileIsReadAnewEachTime)
{
    Facts f;
    f.write("Old fact.");
    EXPECT_EQ(f.pick(5), "Old fact.");
    f.write("New fact.");
    EXPECT_EQ(f.pick(5), "New fact.");
}

TEST(DidYouKnow, EmptyLineIsAnEmptyFactWithoutError)
{
    Facts f;
    f.write("\r\n");
    EXPECT_EQ(f.pick(42), "");
}

class DidLineEnds : public ::testing::TestWithParam<const char*> {};

TEST_P(DidLineEnds, ReadTheSameAsCrLf)
{
    Facts reference, other;
    reference.write("alpha\r\nbeta\r\ngamma\r\n");
    other.write(GetParam());
    for (std::time_t t = 0; t < 60; ++t)
        EXPECT_EQ(other.pick(t), reference.pick(t)) << t;
}

INSTANTIATE_TEST_SUITE_P(Files, DidLineEnds,
                         ::testing::Values("alpha\rbeta\rgamma\r", "alpha\rbeta\rgamma",
                                           "alpha\nbeta\ngamma\n", "alpha\r\nbeta\ngamma",
                                           "alpha\r\nbeta\r\ngamma"));

TEST(DidYouKnow, MissingFileNamesItsFullPath)
{
    test::TempDir dir;
    try {
        chooseFact(dir.root(), 7);
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.path + "/a2.pvd");
    }
}

TEST(DidYouKnow, EmptyFileHasNoLineZero)
{
    Facts f;
    f.write("");
    try {
        f.pick(7);
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (0)");
    }
}

TEST(DidYouKnow, Image9OpensTheWindowForTheProgramFolder)
{
    test::Harness h;
    h.st.appDir = h.root();
    h.run([&] { Image9Click(h.st); });
    EXPECT_EQ(h.windows.shown, std::vector<std::string>{"didyano:" + h.dir.path});
}

} // namespace
} // namespace bw
