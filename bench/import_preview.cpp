// A spreadsheet dropped onto the window, from the drop handed to the window through the event
// loop to the painted preview: 400 rows against a full league of 20 groups of 10 teams, 200 of
// them updating a team's telephone and 200 new teams refused because their group is full. Its
// floor in the same loop: one read of the file, the labels that differ set, the panel shown and
// the same paint. Measured on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "bench_form.h"
#include "store/capacities.h"
#include "store/file_io.h"
#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/league_folder.h"

namespace {

// The laid league's teams with a new telephone each, then as many new teams.
std::string sheet() {
    std::string text = "組,チーム名,電話番号\r\n";
    for (const char* prefix : {"", "新"})
        for (int n = 1; n <= kTeamPositions; ++n) {
            const int g = (n - 1) / kTeamsPerGroup;
            const std::string group{char('A' + g), char('1' + g % 9)};
            const std::string name = trimField(sjis::toUnicode(leagueTeamName(n)));
            text += group + "," + prefix + name + ",03-0000-" + std::to_string(1000 + n) + "\r\n";
        }
    return sjis::fromUnicode(text);
}

void dropFile(QWidget* form, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &enter);
    QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &drop);
}

void BM_DroppedFileToPaintedPreview(benchmark::State& state) {
    BenchForm f;
    f.folder.write("teams.csv", sheet());
    const std::string path = f.folder.path("teams.csv");
    QWidget* window = f.form.get();
    QWidget* panel = window->findChild<QWidget*>("Panel_Import");
    PaintWait painted(window);

    const auto closed = formTexts(window);
    dropFile(window, path);
    painted.untilPainted();
    const auto open = formTexts(window);
    const auto opened = changedTexts(closed, open), reset = changedTexts(open, closed);
    userKey(window, Qt::Key_F9);
    painted.untilPainted();

    // Back to the main screen, the labels as they were, painted.
    auto close = [&] {
        if (panel->isVisible()) userKey(window, Qt::Key_F9);
        panel->hide();
        for (const auto& [w, text] : reset) setText(w, text);
        painted.untilPainted();
    };
    std::string bytes;
    runInterleaved(
        state, close,
        [&] {
            dropFile(window, path);
            return painted.untilPainted() && panel->isVisible();
        },
        close,
        [&] {
            bytes = fileio::readAll(path).value_or(std::string());
            benchmark::DoNotOptimize(bytes.data());
            panel->raise();
            panel->show();
            for (const auto& [w, text] : opened) setText(w, text);
            return painted.untilPainted();
        });
    state.counters["labels"] = double(opened.size());
}
BENCHMARK(BM_DroppedFileToPaintedPreview)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    return runScreenBenchmarks(argc, argv);
}
