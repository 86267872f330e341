// The postal-code lookups as the user meets them, on the dictionary of the whole country:
// the real main window on the offscreen platform, a key press of [Enter] handed to the window
// and followed through the event loop until the window is painted and flushed with the address
// fields filled and written, or with the result panel open (or, for a reading that matches
// nothing, with its message). Each runs in turn with its floor in the same loop: a plain
// sequential read of the index it searches, and for the code the same fields set and painted.
// The dictionary is WORKFOLDER/Zip when a working folder is given as the argument,
// otherwise one built from the npm data in the cache folder
// (scripts/build-postal-dictionary.sh --fetch-only puts it there).
//   build/bench/postal_screens [WORKFOLDER] [--benchmark_repetitions=N ...]

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/base_ball_form.h"
#include "bench_form.h"
#include "contacts/postal_dictionary.h"
#include "form/fonts.h"
#include "postal_dictionary/build_dictionary.h"
#include "store/file_io.h"
#include "store/sjis.h"

namespace {

namespace fs = std::filesystem;

std::string gDictionary;  // the folder whose Zip/ is used
std::string gWork;        // the program's working folder
TBaseBall* gForm = nullptr;

std::string makeTempFolder() {
    std::string folder = (fs::temp_directory_path() / "tallyfold-bench-XXXXXX").string();
    return ::mkdtemp(folder.data()) ? folder : std::string();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A working folder with one term and one team, whose details the lookups fill, and the
// dictionary linked in as Zip/.
bool layWorkingFolder() {
    gWork = makeTempFolder();
    if (gWork.empty()) return false;
    fs::create_directories(gWork + "/Data");
    std::string name = sjis::fromUnicode("港北ブルーウェーブ");
    name.resize(20, ' ');
    std::string results = "380" + std::string(27, ' ') + " \n";
    results += name + std::string(24, ' ') + " \n";
    for (int i = 1; i < 200; ++i) results += std::string(45, ' ') + "\n";
    writeFile(gWork + "/Data/Seiseki.001", results);
    std::string team(999, ' ');
    team += '\n';
    team.replace(611, 20, name);
    std::string reg = team;
    for (int i = 1; i < 200; ++i) reg += std::string(999, ' ') + "\n";
    writeFile(gWork + "/Data/Info.001", reg);
    std::error_code ec;
    fs::create_directory_symlink(fs::absolute(gDictionary + "/Zip"), gWork + "/Zip", ec);
    return !ec;
}

template <typename T = QWidget>
T* field(const char* name) {
    return gForm->findChild<T*>(name);
}

// The whole index read from start to end in blocks of 4096 entries.
void readIndex(const char* index, std::size_t block) {
    const std::string path = gWork + "/" + index;
    std::string buf(block, ' ');
    readSequentially(path, buf);
}
constexpr std::size_t kCodeBlock = 4096 * 23, kReadingBlock = 4096 * 202;

// Two codes in turn, so that every press writes the fields anew. The floor reads the code
// index and sets the fields the lookup fills, and the window is painted.
void BM_CodeEnter(benchmark::State& state) {
    PaintWait painted(gForm);
    auto* zip = field<QLineEdit>("Edit_Zip");
    auto* street = field<QLineEdit>("Edit_Banti");
    const char* codes[] = {"1000001", "1600022"};
    QLineEdit* filled[] = {zip, field<QLineEdit>("Edit_City"), street};
    QStringList texts[2];
    int n = 0;
    for (int k = 0; k < 2; ++k) {
        zip->setFocus();
        street->clear();
        zip->setText(codes[k]);
        userKey(gForm, Qt::Key_Return);
        painted.untilPainted();
        for (QLineEdit* e : filled) texts[k] << e->text();
    }
    runInterleaved(
        state,
        [&] {
            zip->setFocus();
            street->clear();
            zip->setText(codes[n++ % 2]);
            painted.untilPainted();
        },
        [&] {
            userKey(gForm, Qt::Key_Return);
            painted.untilPainted();
            return street->hasFocus() && !street->text().isEmpty();
        },
        [&] {
            readIndex(postal::kCodeIndexFile, kCodeBlock);
            for (int i = 0; i < 3; ++i) filled[i]->setText(texts[n % 2][i]);
            return painted.untilPainted();
        });
}

// The floor is the plain read of the reading index alone: the press to the painted panel is
// to stay within twice that.
void readingEnter(benchmark::State& state, const char* reading, bool opens) {
    PaintWait painted(gForm);
    auto* city = field<QLineEdit>("Edit_City");
    auto* panel = field<QFrame>("Panel_ZipSearch");
    runInterleaved(
        state,
        [&] {
            if (panel->isVisible()) userKey(gForm, Qt::Key_Escape);
            city->setFocus();
            city->setText(QString::fromUtf8(reading));
            painted.untilPainted();
        },
        [&] {
            userKey(gForm, Qt::Key_Return);
            painted.untilPainted();
            return panel->isVisible() == opens;
        },
        [&] {
            readIndex(postal::kReadingIndexFile, kReadingBlock);
            return true;
        });
}

void BM_ReadingEnter_Shinjuku(benchmark::State& s) {
    readingEnter(s, "ｼﾝｼﾞｭｸ", true);
}
void BM_ReadingEnter_NoMatch(benchmark::State& s) {
    readingEnter(s, "ﾝﾝﾝﾝﾝ", false);
}

void registerAll() {
    const int reps = 15;
    auto add = [](const char* name, void (*f)(benchmark::State&), benchmark::TimeUnit unit) {
        benchmark::RegisterBenchmark(name, f)->Unit(unit)->UseManualTime()->Repetitions(reps)->ReportAggregatesOnly(
            true);
    };
    add("Enter in Edit_Zip/1000001 to the painted fields", BM_CodeEnter, benchmark::kMicrosecond);
    add("Enter in Edit_City/ｼﾝｼﾞｭｸ to the painted panel", BM_ReadingEnter_Shinjuku, benchmark::kMillisecond);
    add("Enter in Edit_City/no match to the painted window", BM_ReadingEnter_NoMatch, benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    bool built = false;
    gDictionary = dictionaryForBenchmark(argc, argv, &built);
    if (gDictionary.empty()) return 0;
    if (!layWorkingFolder()) {
        std::fprintf(stderr, "Cannot lay a working folder.\n");
        return 1;
    }
    {
        auto form = std::make_unique<TBaseBall>(QString::fromStdString(gWork));
        gForm = form.get();
        form->show();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
        registerAll();
        benchmark::RunSpecifiedBenchmarks();
        gForm = nullptr;
    }
    benchmark::Shutdown();
    fs::remove_all(gWork);
    if (built) fs::remove_all(gDictionary);
    return 0;
}
