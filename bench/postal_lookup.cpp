// The two postal-code lookups over the dictionary of the whole country, each beside a
// plain sequential read of the index it searches, measured in the same run:
//   by code, from the typed code to the record that fills the fields (and to the first
//   page of the result panel for a prefix);
//   by reading, from the typed reading to the first page of the result panel, for a
//   common reading, for one that matches nearly the most a lookup may list, and for one that
//   matches nothing.
// The dictionary is WORKFOLDER/Zip when a working folder is given as the argument,
// otherwise one built from the npm data in the cache folder
// (scripts/build-postal-dictionary.sh --fetch-only puts it there).
//   build/bench/postal_lookup [WORKFOLDER] [--benchmark_repetitions=N ...]

#include "contacts/postal_lookup.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench_form.h"
#include "postal_dictionary/build_dictionary.h"
#include "store/file_io.h"
#include "store/sjis.h"

namespace {

namespace fs = std::filesystem;

std::string gFolder;

void codeLookup(benchmark::State& state, const char* typed) {
    DataDir dir(gFolder);
    for (auto _ : state) {
        auto r = postal::lookupByCode(dir, typed);
        if (r.matchList.count() == 1)
            benchmark::DoNotOptimize(postal::readPostalRecord(dir, r.matchList.records[0]));
        else
            benchmark::DoNotOptimize(postal::readPostalPage(dir, r.matchList, 0, 20));
        if (r.outcome != postal::LookupOutcome::Found) state.SkipWithError("the code was not found");
    }
}

void readingLookup(benchmark::State& state, const char* reading, bool expectFound) {
    DataDir dir(gFolder);
    const std::string query = sjis::fromUnicode(reading);
    for (auto _ : state) {
        auto r = postal::lookupByReading(dir, query, [](int percent) { benchmark::DoNotOptimize(percent); });
        benchmark::DoNotOptimize(postal::readPostalPage(dir, r.matchList, 0, 20));
        if ((r.outcome == postal::LookupOutcome::Found) != expectFound) state.SkipWithError("unexpected outcome");
        state.counters["matches"] = double(r.matchList.count());
    }
}

// The whole index read from start to end in the same blocks the reading scan uses.
void sequentialRead(benchmark::State& state, const char* index, std::size_t block) {
    const std::string path = DataDir(gFolder).path(index);
    std::string buf(block, ' ');
    for (auto _ : state) {
        state.counters["bytes"] = double(readSequentially(path, buf));
    }
}

void BM_CodeLookup_1000001(benchmark::State& s) {
    codeLookup(s, "1000001");
}
void BM_CodeLookup_Prefix100(benchmark::State& s) {
    codeLookup(s, "100");
}
void BM_CodeLookup_Prefix1(benchmark::State& s) {
    codeLookup(s, "1");  // some 8,600 codes of the whole country
}
void BM_CodeIndex_SequentialRead(benchmark::State& s) {
    sequentialRead(s, postal::kCodeIndexFile, 4096 * 23);
}
void BM_ReadingLookup_Shinjuku(benchmark::State& s) {
    readingLookup(s, "ｼﾝｼﾞｭｸ", true);
}
void BM_ReadingLookup_Hokkaido(benchmark::State& s) {
    readingLookup(s, "ﾎｯｶｲﾄﾞｳ", true);  // some 9,400 of the 10,000 a lookup may list
}
void BM_ReadingLookup_NoMatch(benchmark::State& s) {
    readingLookup(s, "ﾝﾝﾝﾝﾝ", false);
}
void BM_ReadingIndex_SequentialRead(benchmark::State& s) {
    sequentialRead(s, postal::kReadingIndexFile, 4096 * 202);
}

void registerAll() {
    const int reps = 15;
    benchmark::RegisterBenchmark("CodeLookup/1000001", BM_CodeLookup_1000001)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("CodeLookup/prefix 100", BM_CodeLookup_Prefix100)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("CodeLookup/prefix 1", BM_CodeLookup_Prefix1)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("CodeIndex/sequential read", BM_CodeIndex_SequentialRead)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("ReadingLookup/ｼﾝｼﾞｭｸ", BM_ReadingLookup_Shinjuku)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("ReadingLookup/ﾎｯｶｲﾄﾞｳ", BM_ReadingLookup_Hokkaido)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("ReadingLookup/no match", BM_ReadingLookup_NoMatch)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("ReadingIndex/sequential read", BM_ReadingIndex_SequentialRead)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(reps)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bool built = false;
    gFolder = dictionaryForBenchmark(argc, argv, &built);
    if (gFolder.empty()) return 0;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (built) fs::remove_all(gFolder);
    return 0;
}
