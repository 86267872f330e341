// One click on a result cell of a full group of ten, from the mouse event handed to the
// window through the event loop to the painted and flushed window (tally, ranking, labels, file
// write, paint), beside its floor in the same loop: one open and one 460-byte write of the
// group's block, the labels that a click changes set, and the same paint.
// Measured on the offscreen platform.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "bench_form.h"
#include "store/results_file.h"

namespace {

void BM_ResultCellClickToPaintedWindow(benchmark::State& state) {
    BenchForm f;
    PaintWait painted(f.form.get());
    QWidget* cell = f.form->findChild<QLabel*>("Label_Sel_3_7");
    sendClick(cell);  // the first click recomputes counts laid by hand; from then on a click changes a few
    painted.untilPainted();
    const auto before = formTexts(f.form.get());
    sendClick(cell);
    painted.untilPainted();
    const auto after = formTexts(f.form.get());
    const auto forth = changedTexts(before, after), back = changedTexts(after, before);
    const std::string path = f.folder.path(files::kResults);
    const std::string block = f.folder.read(files::kResults).substr(resultRecordOffset(0, 1), 460);
    bool flip = false;
    runInterleaved(
        state,
        [&] {
            userClick(cell);
            return painted.untilPainted();
        },
        [&] {
            int fd = ::open(path.c_str(), O_RDWR);
            benchmark::DoNotOptimize(::pwrite(fd, block.data(), block.size(), resultRecordOffset(0, 1)));
            ::close(fd);
            for (const auto& [w, text] : flip ? back : forth) setText(w, text);
            flip = !flip;
            return painted.untilPainted();
        });
    state.counters["labels"] = double(forth.size());
}
BENCHMARK(BM_ResultCellClickToPaintedWindow)->Unit(benchmark::kMicrosecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    return runScreenBenchmarks(argc, argv);
}
