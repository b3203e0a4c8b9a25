// Writing a 100,000-record collection (300,000 note lines) as a save does,
// with and without keeping backups of the files it replaces.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/collectionfiles.h"
#include "app/mainstate.h"
#include "tests/fakes.h"

namespace bw {
namespace {

void BM_SaveCollection(benchmark::State& state)
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "bindlewick-bench-XXXXXX").string();
    const std::string dir = ::mkdtemp(tmpl.data());
    test::FakeMessageBoxes boxes;
    MainState st;
    st.appDir = Path::fromNative(dir);
    st.sys.boxes = &boxes;
    st.keepBackups = state.range(0) != 0;
    KeyGenerator keys(2024u);
    for (int i = 0; i < 100000; ++i) {
        const std::string key = keys.drawKey();
        st.RecordList.add(key + "|Beanie number " + std::to_string(i) +
                          "|4032|12251995|06301998|03011997||12.50||20.00|0|3|1|2|0|C:\\pics\\b" +
                          std::to_string(i) + ".jpg");
        for (int n = 0; n < 3; ++n)
            st.NoteList.add(key + "|Bought at the fair in the spring, tag a little creased " +
                            std::to_string(n));
    }
    saveCollection(st); // the files exist, so every timed save replaces them
    for (auto _ : state)
        saveCollection(st);
    state.SetLabel(st.keepBackups ? "with backups" : "without backups");
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveCollection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace
} // namespace bw
