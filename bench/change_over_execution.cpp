// Carrying out a change-over on a full league (20 groups of 10 teams, ten stored terms, 100
// suspended teams, 300 rules), from the F1 key press on the change-over screen to the last
// byte written, beside the floor: one sequential write of the same number of bytes, synced.
// Each run also counts the fsyncs the change-over asked for (files and folders).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/base_ball_form.h"
#include "bench_form.h"
#include "form/fonts.h"
#include "store/file_io.h"
#include "store/sjis.h"

namespace {

namespace fs = std::filesystem;

std::string padded(const std::string& utf8, std::size_t width) {
    std::string s = sjis::fromUnicode(utf8);
    s.resize(width, ' ');
    return s;
}

std::string teamRecord(const std::string& name, int n) {
    std::string r(999, ' ');
    r += '\n';
    r.replace(0, 16, padded("代表" + std::to_string(n), 16));
    r.replace(29, 13, padded("045-000-" + std::to_string(1000 + n), 13));
    r.replace(63, 8, padded("神奈川県", 8));
    r.replace(211, 400, padded("備考" + std::to_string(n), 400));
    r.replace(611, 20, padded(name, 20));
    return r;
}

void write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// The working folder the change-over starts from, made once.
fs::path makeTemplate() {
    std::string templ = (fs::temp_directory_path() / "tallyfold-bench-XXXXXX").string();
    if (!::mkdtemp(templ.data())) std::abort();
    const fs::path data = fs::path(templ) / "Data";
    fs::create_directories(data);
    std::string keys;
    for (int s = 0; s < 10; ++s) {
        char k[4];
        std::snprintf(k, sizeof k, "%2d%c", 38 - (s + 1) / 2, s % 2 == 0 ? '1' : '0');
        keys += k;
    }
    std::string results = keys + " \n";
    for (int s = 0; s < 10; ++s)
        for (int n = 1; n <= 200; ++n) {
            char rank[3];
            std::snprintf(rank, sizeof rank, "%2d", (n * 7 + s) % 10 + 1);
            std::string rec = padded("チーム" + std::to_string(n), 20) + std::string(22, ' ') + rank + " \n";
            results += rec;
        }
    write(data / "Seiseki.001", results);
    std::string reg;
    for (int n = 1; n <= 200; ++n) reg += teamRecord("チーム" + std::to_string(n), n);
    write(data / "Info.001", reg);
    std::string suspended;
    for (int k = 1; k <= 100; ++k) suspended += teamRecord("休会" + std::to_string(k), 300 + k);
    write(data / "Kyuubu.001", suspended);
    std::string groups;
    for (int g = 0; g < 20; ++g) groups += std::string{char('A' + g), '1'};
    write(data / "League.001", groups + std::string(960, ' '));
    write(data / "UserName.001", padded("連盟", 40));
    write(data / "LeagueTeamMax.001", std::string(40, ' ') + std::string(960, ' '));
    // Each group's last team and the next group's first change places; every other place,
    // and the suspended column, has a rule of its own: 300 rules.
    std::string rules;
    auto rule = [&](int t, int s) {
        char r[9];
        std::snprintf(r, sizeof r, "%3d%3d \n", t, s);
        rules += r;
    };
    for (int p = 1; p <= 300; ++p) {
        if (p <= 190 && p % 10 == 0)
            rule(p, p + 1);
        else if (p <= 200 && p % 10 == 1 && p > 1)
            rule(p, p - 1);
        else
            rule(p, p);
    }
    write(data / "ChangePos.001", rules);
    write(data / "MyZip.001", "");
    return templ;
}

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

long long bytesWritten = 0;  // by one change-over, measured on its first run
long syncsPerChangeOver = 0;

long long folderBytes(const fs::path& p) {
    long long n = 0;
    for (const auto& e : fs::recursive_directory_iterator(p))
        if (e.is_regular_file()) n += static_cast<long long>(e.file_size());
    return n;
}

void BM_ChangeOverFromKeyPress(benchmark::State& state) {
    static const fs::path templ = makeTemplate();
    const fs::path work = templ.string() + "-run";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(work);
        fs::copy(templ, work, fs::copy_options::recursive);
        auto form = std::make_unique<TBaseBall>(QString::fromStdString(work.string()));
        form->show();
        QApplication::processEvents();
        pressKey(QApplication::focusWidget(), Qt::Key_Escape);
        pressKey(QApplication::focusWidget(), Qt::Key_F2);
        QWidget* keyBox = QApplication::focusWidget();
        if (!keyBox || keyBox->objectName() != "Edit_KousinCommandChoose") std::abort();
        const long syncsBefore = fileio::syncsDone();
        state.ResumeTiming();
        pressKey(keyBox, Qt::Key_F1);
        state.PauseTiming();
        syncsPerChangeOver = fileio::syncsDone() - syncsBefore;
        if (QApplication::focusWidget()->objectName() != "Edit_Kyuu_01") std::abort();  // carried out
        form->close();
        form.reset();
        if (bytesWritten == 0) {
            // The copy of Data/, and the five files of the save (no team returns here).
            bytesWritten = folderBytes(work / "Backup");
            for (const char* f : {"Seiseki.001", "Info.001", "Kyuubu.001", "Info.old", "Kyuubu.old"})
                bytesWritten += static_cast<long long>(fs::file_size(work / "Data" / f));
        }
        state.ResumeTiming();
    }
    state.counters["bytes"] = double(bytesWritten);
    state.counters["fsyncs"] = double(syncsPerChangeOver);
    fs::remove_all(work);
}
BENCHMARK(BM_ChangeOverFromKeyPress)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

void BM_OneSequentialWriteOfTheSameBytes(benchmark::State& state) {
    const std::string path = (fs::temp_directory_path() / "tallyfold-bench-floor").string();
    const std::string bytes(static_cast<std::size_t>(bytesWritten > 0 ? bytesWritten : 1), 'x');
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()) || ::fsync(fd) != 0)
            std::abort();
        ::close(fd);
    }
    state.counters["bytes"] = double(bytes.size());
    fs::remove(path);
}
BENCHMARK(BM_OneSequentialWriteOfTheSameBytes)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

}  // namespace

int main(int argc, char** argv) {
    return runScreenBenchmarks(argc, argv);
}
