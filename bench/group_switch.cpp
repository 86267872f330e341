// Switching the shown group by entering another group's class box, from the focus event to
// the table, the team list and the letters shown (no repaint), beside its floor: one read of
// the group's 460 bytes and setting the labels that differ between the two groups.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "bench_form.h"
#include "form/fonts.h"
#include "store/results_file.h"

namespace {

void BM_GroupSwitch(benchmark::State& state) {
    BenchForm f;
    QWidget* boxes[] = {f.form->findChild<QLineEdit*>("Edit_Kyuu_01"), f.form->findChild<QLineEdit*>("Edit_Kyuu_02")};
    int next = 1;
    for (auto _ : state) {
        sendFocusIn(boxes[next]);
        next = 1 - next;
    }
}
BENCHMARK(BM_GroupSwitch)->Unit(benchmark::kMicrosecond);

void BM_FloorOfAGroupSwitch(benchmark::State& state) {
    BenchForm f;
    QWidget* first = f.form->findChild<QLineEdit*>("Edit_Kyuu_01");
    QWidget* second = f.form->findChild<QLineEdit*>("Edit_Kyuu_02");
    sendFocusIn(first);
    const auto one = formTexts(f.form.get());
    sendFocusIn(second);
    const auto two = formTexts(f.form.get());
    const auto toOne = changedTexts(two, one), toTwo = changedTexts(one, two);
    const std::string path = f.folder.path(files::kResults);
    char block[460];
    bool flip = false;
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::pread(fd, block, sizeof block, resultRecordOffset(0, flip ? 1 : 11)));
        ::close(fd);
        for (const auto& [w, text] : flip ? toOne : toTwo) setText(w, text);
        flip = !flip;
    }
    state.counters["labels"] = double(toOne.size());
}
BENCHMARK(BM_FloorOfAGroupSwitch)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return runScreenBenchmarks(argc, argv);
}
