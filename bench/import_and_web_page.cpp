// A whole league brought in from a spreadsheet and put out as a web page: 200 teams with
// every detail in a CSV file (UTF-8 and code page 932) previewed against an empty league of
// 20 groups, then written with its copy of Data/; and the web page of 20 full groups.
//
//   build/bench/import_and_web_page [benchmark flags]

#include <benchmark/benchmark.h>

#include "league/import_writing.h"
#include "league/team_import.h"
#include "print/web_page_export.h"
#include "store/csv_writer.h"
#include "store/results_file.h"
#include "store/sjis.h"
#include "store/team_register.h"
#include "store/text_ops.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

LeagueModel twentyGroups() {
    LeagueModel m;
    for (int g = 0; g < kGroups; ++g) {
        m.groupBlock[2 * g] = char('A' + g / 4);
        m.groupBlock[2 * g + 1] = char('1' + g % 4);
    }
    return m;
}

std::string fullLeagueCsv() {
    std::string text = std::string(csv::kByteOrderMark) +
                       csv::record({"級", "部", "チーム名", "代表者名", "携帯電話", "電話番号", "FAX", "郵便番号",
                                    "都道府県", "区市郡", "番地", "建物", "メール", "備考"});
    const LeagueModel m = twentyGroups();
    for (int n = 0; n < kTeamPositions; ++n) {
        const int g = n / kTeamsPerGroup;
        const std::string no = std::to_string(n + 1);
        text += csv::record({std::string(1, m.classLetter(g)), std::string(1, m.divisionLetter(g)), "桜ヶ丘クラブ" + no,
                             "山田　太郎" + no, "090-1234-5678", "03-1234-5678", "03-1234-5679", "123-4567", "東京都",
                             "千代田区", "丸の内一丁目" + no + "番", "丸の内ビル" + no, "team" + no + "@example.jp",
                             "会費は毎月。\r\n連絡は夜に。"});
    }
    return text;
}

void layEmpty(const TempFolder& t) {
    t.write(files::kResults, resultsHeader("380") + termBlock());
    t.write(files::kTeamRegister, teamRegister());
    t.write(files::kSuspended, "");
}

void BM_PreviewFullLeague(benchmark::State& state) {
    TempFolder t;
    layEmpty(t);
    const LeagueModel m = twentyGroups();
    const std::string utf8 = fullLeagueCsv();
    const std::string bytes = state.range(0) ? sjis::fromUnicode(utf8.substr(3)) : utf8;
    for (auto _ : state) {
        const ImportPreview p = previewImportBytes(m, t.dir(), bytes);
        if (p.teams.size() != std::size_t(kTeamPositions)) state.SkipWithError("not every team taken");
    }
    state.SetBytesProcessed(long(state.iterations()) * long(bytes.size()));
}
BENCHMARK(BM_PreviewFullLeague)->Arg(0)->Arg(1)->ArgName("cp932")->Unit(benchmark::kMillisecond);

void BM_ImportFullLeague(benchmark::State& state) {
    const std::string bytes = fullLeagueCsv();
    for (auto _ : state) {
        state.PauseTiming();
        TempFolder t;
        layEmpty(t);
        LeagueModel m = twentyGroups();
        state.ResumeTiming();
        const ImportPreview p = previewImportBytes(m, t.dir(), bytes);
        if (writeImport(m, t.dir(), p, LocalDateTime{2026, 12, 8, 10, 0, 0}).outcome != ImportWrite::Written)
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_ImportFullLeague)->Unit(benchmark::kMillisecond);

void BM_WebPageFullLeague(benchmark::State& state) {
    TempFolder t;
    layEmpty(t);
    LeagueModel m = twentyGroups();
    if (writeImport(m, t.dir(), previewImportBytes(m, t.dir(), fullLeagueCsv()), LocalDateTime{}).outcome !=
        ImportWrite::Written)
        state.SkipWithError("no league");
    long size = 0;
    for (auto _ : state) {
        const WebPageExport out = exportWebPage(m, t.dir());
        if (out.kind != WebPageExport::Written) state.SkipWithError("not written");
        size = t.size(out.written[0]);
    }
    state.counters["page_bytes"] = double(size);
}
BENCHMARK(BM_WebPageFullLeague)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
