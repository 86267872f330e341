// One click on a result cell of a full group of ten teams, from the mouse event to the
// group's records stored in the results file (tally, ranking, screen refresh, file write).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/base_ball_form.h"
#include "form/fonts.h"
#include "store/sjis.h"

namespace {

namespace fs = std::filesystem;

// A working folder whose newest term holds group 1 with ten teams and a few results.
std::string makeWorkFolder() {
    std::string templ = (fs::temp_directory_path() / "tallyfold-bench-XXXXXX").string();
    if (!::mkdtemp(templ.data())) std::abort();
    fs::create_directories(fs::path(templ) / "Data");
    std::string file = "220" + std::string(28, ' ') + "\n";
    for (int n = 0; n < 200; ++n) {
        std::string name = n < 10 ? sjis::fromUnicode("チーム" + std::to_string(n + 1)) : std::string();
        std::string results(10, ' ');
        if (n < 10)
            for (int c = 0; c < 10; ++c)
                if (c != n) results[c] = "123"[(n * 7 + c * 3) % 3];
        file += name + std::string(20 - name.size(), ' ') + results + std::string(15, ' ') + "\n";
    }
    std::ofstream(fs::path(templ) / "Data/Seiseki.001", std::ios::binary) << file;
    return templ;
}

void sendClick(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void BM_ResultCellClick(benchmark::State& state) {
    const std::string folder = makeWorkFolder();
    {
        auto form = std::make_unique<TBaseBall>(QString::fromStdString(folder));
        form->show();
        QApplication::processEvents();
        QWidget* cell = form->findChild<QLabel*>("Label_Sel_3_7");
        for (auto _ : state) sendClick(cell);
        form->close();
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_ResultCellClick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
