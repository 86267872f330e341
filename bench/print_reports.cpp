// Both printouts of a full league written to PDF: the standings sheet of 20 groups of ten
// teams and the team list of all 200 teams with their contacts, from reading the data
// files to the file renamed into place. The PDF size is reported as a counter.
//
//   build/bench/print_reports [--keep-pdf=FOLDER] [benchmark flags]
//
// --keep-pdf copies the last PDF of each report into FOLDER, to look at the pages.

#include "print/ui/print_reports.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "form/fonts.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

namespace fs = std::filesystem;

std::string keepFolder;

const char* kPlaces[kGroups] = {"青葉", "旭",   "泉",   "稲城", "梅田", "大宮", "柏",   "川越", "北野", "熊谷",
                                "桜台", "芝浦", "高輪", "田無", "千早", "戸田", "中野", "浜町", "日野", "緑"};
const char* kNicknames[kTeamsPerGroup] = {"ベアーズ", "イーグルス", "タイガース", "ファイターズ", "ドラゴンズ",
                                          "スターズ", "クラブ",     "野球部",     "ホークス",     "レッズ"};

std::string sj(const std::string& utf8, int width) {
    return padField(sjis::fromUnicode(utf8), false, width);
}

// A working folder holding a full league: every pairing of a group played but a few, every
// team with a register record.
std::string makeLeague(LeagueModel& m) {
    std::string root = (fs::temp_directory_path() / "tallyfold-print-XXXXXX").string();
    if (!::mkdtemp(root.data())) std::abort();
    fs::create_directories(fs::path(root) / "Data");

    std::string results = padField("380", false, 30) + " \n";
    std::string teams;
    for (int g = 0; g < kGroups; ++g) {
        m.groupBlock[2 * g] = char('A' + g / 4);
        m.groupBlock[2 * g + 1] = char('1' + g % 4);
        int code[kTeamsPerGroup][kTeamsPerGroup] = {};
        for (int a = 0; a < kTeamsPerGroup; ++a)
            for (int b = a + 1; b < kTeamsPerGroup; ++b) {
                const int v = (a * 7 + b * 3 + g) % 9;
                code[a][b] = v < 4 ? 1 : v < 7 ? 2 : v < 8 ? 3 : 0;
                code[b][a] = code[a][b] == 1 ? 2 : code[a][b] == 2 ? 1 : code[a][b];
            }
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            const std::string name = sj(std::string(kPlaces[g]) + kNicknames[r], 20);
            int w = 0, l = 0, d = 0;
            std::string res(10, ' ');
            for (int c = 0; c < kTeamsPerGroup; ++c) {
                if (code[r][c]) res[c] = char('0' + code[r][c]);
                w += code[r][c] == 1;
                l += code[r][c] == 2;
                d += code[r][c] == 3;
            }
            results += name + res + formatCount(w, 2) + formatCount(l, 2) + formatCount(d, 2) +
                       formatCount(2 * w + d, 2) + "0.50" + formatCount(r + 1, 2) + " \n";
            const int n = g * kTeamsPerGroup + r + 1;
            std::string rec =
                sj("代表 " + std::to_string(n) + "郎", 16) + sj("090-1234-" + std::to_string(1000 + n), 13) +
                sj("03-3456-" + std::to_string(7000 + n), 13) + sj("03-3456-" + std::to_string(8000 + n), 13);
            rec += padField("1500001", false, 8) + sj("東京都", 8) + sj("世田谷区", 20) +
                   sj("桜丘三丁目" + std::to_string(n) + "－５", 40) + sj(n % 3 ? "" : "桜丘ハイツ２０１", 40);
            rec += std::string(40 + 400, ' ') + name + std::string(367, ' ') + " \n";
            teams += rec;
        }
    }
    std::ofstream(fs::path(root) / "Data/Seiseki.001", std::ios::binary) << results;
    std::ofstream(fs::path(root) / "Data/Info.001", std::ios::binary) << teams;
    return root;
}

template <typename Print>
void runPrint(benchmark::State& state, Print print) {
    LeagueModel m;
    const std::string root = makeLeague(m);
    const DataDir dir(root);
    PrintOutcome out;
    for (auto _ : state) {
        out = print(m, dir);
        if (out.kind != PrintOutcome::SavedPdf) {
            state.SkipWithError(printOutcomeMessage(out).toStdString().c_str());
            break;
        }
    }
    if (out.kind == PrintOutcome::SavedPdf) {
        state.counters["pdf_bytes"] = double(QFile(out.pdfPath).size());
        if (!keepFolder.empty())
            fs::copy_file(out.pdfPath.toStdString(),
                          fs::path(keepFolder) / fs::path(out.pdfPath.toStdString()).filename(),
                          fs::copy_options::overwrite_existing);
    }
    fs::remove_all(root);
}

void BM_StandingsSheetPdf(benchmark::State& state) {
    runPrint(state, [](const LeagueModel& m, const DataDir& dir) {
        return printStandingsSheet(m, dir, PrintTarget::PdfOnly);
    });
}
BENCHMARK(BM_StandingsSheetPdf)->Unit(benchmark::kMillisecond);

void BM_TeamListPdf(benchmark::State& state) {
    runPrint(state, [](const LeagueModel& m, const DataDir& dir) {
        return printTeamList(m, dir, {2026, 4, 5}, PrintTarget::PdfOnly);
    });
}
BENCHMARK(BM_TeamListPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--keep-pdf=", 11) == 0)
            keepFolder = argv[i] + 11;
        else
            args.push_back(argv[i]);
    }
    int n = int(args.size());
    QApplication app(n, args.data());
    fonts::installSubstitutions();
    benchmark::Initialize(&n, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
