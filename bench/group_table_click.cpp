// One click on a result cell of a full group of ten, from the mouse event to the group's
// records stored in the results file (tally, ranking, labels, file write; no repaint), beside
// its floor: one open and one 460-byte write of the group's block, and setting the labels
// that a click changes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "bench_form.h"
#include "form/fonts.h"
#include "store/results_file.h"

namespace {

void BM_ResultCellClick(benchmark::State& state) {
    BenchForm f;
    QWidget* cell = f.form->findChild<QLabel*>("Label_Sel_3_7");
    for (auto _ : state) sendClick(cell);
}
BENCHMARK(BM_ResultCellClick)->Unit(benchmark::kMicrosecond);

void BM_FloorOfAClick(benchmark::State& state) {
    BenchForm f;
    QWidget* cell = f.form->findChild<QLabel*>("Label_Sel_3_7");
    sendClick(cell);  // the first click recomputes counts laid by hand; from then on a click changes a few
    const auto before = formTexts(f.form.get());
    sendClick(cell);
    const auto after = formTexts(f.form.get());
    const auto forth = changedTexts(before, after), back = changedTexts(after, before);
    const std::string path = f.folder.path(files::kResults);
    const std::string block = f.folder.read(files::kResults).substr(resultRecordOffset(0, 1), 460);
    bool flip = false;
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDWR);
        benchmark::DoNotOptimize(::pwrite(fd, block.data(), block.size(), resultRecordOffset(0, 1)));
        ::close(fd);
        for (const auto& [w, text] : flip ? back : forth) setText(w, text);
        flip = !flip;
    }
    state.counters["labels"] = double(forth.size());
}
BENCHMARK(BM_FloorOfAClick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return runScreenBenchmarks(argc, argv);
}
