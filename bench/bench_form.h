#pragma once
// What the screen benchmarks share: the main form on a full league in a fresh folder, events
// posted to the widgets and followed through the event loop to the painted and flushed window,
// and the floor every figure is set beside, measured in the same loop, one iteration each in
// turn.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/base_ball_form.h"
#include "support/temp_folder.h"

// The form on a league of 20 groups of 10 teams with ten stored terms.
struct BenchForm {
    TempFolder folder;
    std::unique_ptr<TBaseBall> form;
    BenchForm();
    ~BenchForm();
};

void sendClick(QWidget* w);
void sendFocusIn(QWidget* w);
// A click on a widget and a key of the focused field as the window system hands them to the
// program: through the window, as spontaneous events (a click gives the focus, as a user's does).
void userClick(QWidget* w);
void userKey(QWidget* window, int key);

// Follows a window's update requests: each one paints what changed into the window's backing
// store and flushes the store to the platform window before its handling returns.
class PaintWait : public QObject {
public:
    explicit PaintWait(QWidget* window);
    // Runs the event loop until the window has handled one more update request: what changed
    // is then on screen.
    bool untilPainted();
    long updates() const { return updates_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QObject* window_;
    long updates_ = 0;
};

// One iteration of the program and one of its floor in turn, each timed from its first event
// to the painted window (prepare and prepareFloor, untimed, set each one's iteration up); the
// benchmark's time is the program's, and the counters give both in microseconds and their ratio.
template <typename Prepare, typename Program, typename PrepareFloor, typename Floor>
void runInterleaved(benchmark::State& state, Prepare prepare, Program program, PrepareFloor prepareFloor, Floor floor) {
    using Clock = std::chrono::steady_clock;
    double programTotal = 0, floorTotal = 0;
    long n = 0;
    for (auto _ : state) {
        prepare();
        const auto t0 = Clock::now();
        if (!program()) return state.SkipWithError("the program did not do what it should");
        const auto t1 = Clock::now();
        prepareFloor();
        const auto t2 = Clock::now();
        if (!floor()) return state.SkipWithError("the floor did not do what it should");
        const auto t3 = Clock::now();
        const double p = std::chrono::duration<double>(t1 - t0).count();
        programTotal += p;
        floorTotal += std::chrono::duration<double>(t3 - t2).count();
        ++n;
        state.SetIterationTime(p);
    }
    if (n == 0) return;
    state.counters["program_us"] = programTotal / double(n) * 1e6;
    state.counters["floor_us"] = floorTotal / double(n) * 1e6;
    state.counters["ratio"] = programTotal / floorTotal;
}

template <typename Prepare, typename Program, typename Floor>
void runInterleaved(benchmark::State& state, Prepare prepare, Program program, Floor floor) {
    runInterleaved(
        state, prepare, program, [] {}, floor);
}

template <typename Program, typename Floor>
void runInterleaved(benchmark::State& state, Program program, Floor floor) {
    runInterleaved(
        state, [] {}, program, floor);
}

// The texts of every label and edit box of the form, to tell which ones an action changes.
std::vector<std::pair<QWidget*, QString>> formTexts(QWidget* form);
// The widgets whose text differs between two captures, with the text of the second.
std::vector<std::pair<QWidget*, QString>> changedTexts(const std::vector<std::pair<QWidget*, QString>>& before,
                                                       const std::vector<std::pair<QWidget*, QString>>& after);
void setText(QWidget* w, const QString& text);

// The main() of a screen benchmark: the offscreen platform, the form's fonts, then the runs.
int runScreenBenchmarks(int argc, char** argv);

// The postal dictionary a benchmark runs on: the working folder given as its first argument,
// or one built from the cached npm package (*built then says it is to be removed). "" and a
// message when there is neither.
std::string dictionaryForBenchmark(int argc, char** argv, bool* built);

// Reads a whole file from start to end in blocks of the given size: the floor of a scan.
// Returns the bytes read.
long readSequentially(const std::string& path, std::string& block);
