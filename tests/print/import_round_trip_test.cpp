// The CSV team list read back by the import: a league typed in by hand, written out as F6
// writes it and brought into an empty league with the same groups, gives the same teams in
// the same groups with the same details, byte for byte, also after a spreadsheet has saved
// the file again in code page 932.

#include <gtest/gtest.h>

#include "league/import_writing.h"
#include "league/team_import.h"
#include "league/team_names.h"
#include "print/csv_export.h"
#include "print/league_files.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/sjis.h"
#include "store/team_register.h"
#include "store/text_ops.h"
#include "support/temp_folder.h"

namespace {

const LocalDateTime kNow{2026, 12, 8, 10, 0, 0};

struct TypedTeam {
    int group;
    std::string name;
    std::vector<std::pair<int, std::string>> details;  // field, UTF-8 text as typed
};

// Every kind of text the details hold: formula starts, quotes and commas, half-width kana,
// full-width blanks inside and at the ends, a memo of several lines with blanks, full fields.
std::vector<TypedTeam> typedLeague() {
    using namespace team_field;
    std::vector<TypedTeam> teams = {
        {0,
         "=1+2",
         {{Representative, "　北村　一　"}, {Mobile, "+81-90-1234"}, {Remarks, "-会費未納\r\n  二行目\r\n"}}},
        {0,
         "ﾍﾞｱｰｽﾞ",
         {{Telephone, "0123456789012"}, {Mail, "@bears"}, {PostalCode, "060-0001"}, {Prefecture, "北海道"}}},
        {0,
         "\"北\",南",
         {{City, "札幌市北区"}, {Street, "北7条西2-8-1 あいうえおかきくけこさし"}, {Building, "'=ビル"}}},
        {1, "髙橋①クラブ", {{Fax, "-0120"}, {Remarks, std::string(200, 'x') + "\r\n" + std::string(198, 'y')}}},
        {2, "Ｆｏｘｅｓ", {}},
    };
    for (int i = 1; i <= 9; ++i)
        teams.push_back({1, "B" + std::to_string(i), {{Representative, "代表" + std::to_string(i)}}});
    return teams;
}

// Types the league into a folder the way the screens do: names row by row, each group shown
// (which gives its teams their register records), then the details of each team.
void typeIn(LeagueModel& m, const DataDir& dir) {
    std::array<int, kGroups> rows{};
    for (const TypedTeam& t : typedLeague())
        ASSERT_TRUE(storeTeamName(m, dir, 0, t.group, rows[t.group]++, teamNameField(sjis::fromUnicode(t.name))));
    for (int g = 0; g < 3; ++g) {
        std::array<std::string, kTeamsPerGroup> names;
        for (int r = 0; r < kTeamsPerGroup; ++r)
            names[r] = readResultRecord(dir, 0, positionNumber(g, r)).substr(0, kTeamNameWidth);
        ASSERT_TRUE(registerShownTeams(m, dir, names));
    }
    rows.fill(0);
    for (const TypedTeam& t : typedLeague()) {
        ASSERT_TRUE(selectTeam(m, dir, t.group, rows[t.group]++));
        for (const auto& [k, text] : t.details)
            ASSERT_TRUE(writeTeamField(m, dir, m.detailRecordNo, k, sjis::fromUnicode(text)));
    }
}

void layEmptyLeague(const TempFolder& t) {
    t.write(files::kResults, LeagueFiles("380").results);
    t.write(files::kTeamRegister, LeagueFiles("380").teams);
    t.write(files::kSuspended, "");
}

TEST(ImportRoundTrip, TheTeamListReadsBackIntoAnEmptyLeagueByteForByte) {
    TempFolder source;
    layEmptyLeague(source);
    LeagueModel m = modelWithGroups(3);
    typeIn(m, source.dir());
    const CsvExport out = exportCsv(m, source.dir());
    ASSERT_EQ(out.kind, CsvExport::Written);
    const std::string list = source.read(out.written[1]);

    // As written, and as a spreadsheet in Japan saves it again: code page 932, no mark.
    ASSERT_TRUE(list.starts_with("\xEF\xBB\xBF"));
    for (const std::string& bytes : {list, sjis::fromUnicode(list.substr(3))}) {
        TempFolder target;
        layEmptyLeague(target);
        LeagueModel empty = modelWithGroups(3);
        const ImportPreview p = previewImportBytes(empty, target.dir(), bytes);
        ASSERT_EQ(p.status, ImportPreview::Ready);
        EXPECT_TRUE(p.refused.empty()) << p.refused[0].row << p.refused[0].reason;
        ASSERT_EQ(writeImport(empty, target.dir(), p, kNow).outcome, ImportWrite::Written);
        EXPECT_EQ(target.read(files::kTeamRegister), source.read(files::kTeamRegister));
        EXPECT_EQ(target.read(files::kResults), source.read(files::kResults));
    }
}

}  // namespace
