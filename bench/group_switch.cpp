// Switching the shown group by a click into another group's class box, from the mouse event
// handed to the window through the event loop to the painted and flushed window (the table,
// the team list, the letters and the details), beside its floor in the same loop: one read of
// the group's 460 bytes, the labels that differ between the two groups set, and the same paint.
// Measured on the offscreen platform.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "bench_form.h"
#include "store/results_file.h"

namespace {

void BM_GroupSwitchToPaintedWindow(benchmark::State& state) {
    BenchForm f;
    PaintWait painted(f.form.get());
    QWidget* boxes[] = {f.form->findChild<QLineEdit*>("Edit_Kyuu_01"), f.form->findChild<QLineEdit*>("Edit_Kyuu_02")};
    userClick(boxes[0]);
    painted.untilPainted();
    const auto one = formTexts(f.form.get());
    userClick(boxes[1]);
    painted.untilPainted();
    const auto two = formTexts(f.form.get());
    const auto toOne = changedTexts(two, one), toTwo = changedTexts(one, two);
    const std::string path = f.folder.path(files::kResults);
    char block[460];
    int next = 0;
    bool flip = false;
    runInterleaved(
        state,
        [&] {
            userClick(boxes[next]);
            next = 1 - next;
            return painted.untilPainted();
        },
        [&] {
            int fd = ::open(path.c_str(), O_RDONLY);
            benchmark::DoNotOptimize(::pread(fd, block, sizeof block, resultRecordOffset(0, flip ? 1 : 11)));
            ::close(fd);
            for (const auto& [w, text] : flip ? toOne : toTwo) setText(w, text);
            flip = !flip;
            return painted.untilPainted();
        });
    state.counters["labels"] = double(toOne.size());
}
BENCHMARK(BM_GroupSwitchToPaintedWindow)->Unit(benchmark::kMicrosecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    return runScreenBenchmarks(argc, argv);
}
