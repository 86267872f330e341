// What an import would do, as the preview shows it: columns found by their headings, teams
// placed into empty rows in file order, and every row that cannot be taken refused with its
// row number and the reason. A preview never writes.

#include <gtest/gtest.h>

#include <set>

#include "import_fixture.h"
#include "league/import_cells.h"
#include "league/import_columns.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/team_field_captions.h"
#include "store/text_ops.h"
#include "support/records.h"

namespace {

using Refusals = std::vector<std::pair<int, std::string>>;

Refusals refusals(const ImportPreview& p) {
    Refusals out;
    for (const ImportRefusal& r : p.refused) out.emplace_back(r.row, r.reason);
    return out;
}

// The placed teams as "group slot/row name".
std::vector<std::string> placed(const ImportPreview& p) {
    std::vector<std::string> out;
    for (const ImportTeam& t : p.teams)
        out.push_back(std::to_string(t.groupSlot) + "/" + std::to_string(t.groupRow) + " " +
                      sjis::toUnicode(t.name).substr(0, sjis::toUnicode(t.name).find_last_not_of(' ') + 1));
    return out;
}

class ImportPreviewTest : public ImportFixture {};

TEST_F(ImportPreviewTest, ReadsUtf8WithAndWithoutItsMarkAndCodePage932Alike) {
    const std::string text =
        "組,チーム名,代表者名,電話番号,備考\r\nA1,ﾍﾞｱｰｽﾞ,髙橋①,03-1234-5678,\"一行目\r\n二行目\"\r\nC3,海風,,,\r\n";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + text, text, sjis::fromUnicode(text)}) {
        const ImportPreview p = preview(bytes);
        ASSERT_EQ(p.status, ImportPreview::Ready);
        EXPECT_EQ(placed(p), (std::vector<std::string>{"0/1 ﾍﾞｱｰｽﾞ", "2/0 海風"}));
        ASSERT_EQ(p.teams.size(), 2u);
        const ImportTeam& bears = p.teams[0];
        // Half-width kana stay half-width: one byte each.
        EXPECT_EQ(bears.name, padField(sjis::fromUnicode("ﾍﾞｱｰｽﾞ"), false, 20));
        EXPECT_EQ(sjis::fromUnicode("ﾍﾞｱｰｽﾞ").size(), 6u);
        EXPECT_EQ(bears.details[team_field::Representative], stored(team_field::Representative, "髙橋①"));
        EXPECT_EQ(bears.details[team_field::Remarks], stored(team_field::Remarks, "一行目\r\n二行目"));
        EXPECT_FALSE(p.teams[1].details[team_field::Representative]);
        EXPECT_TRUE(p.refused.empty());
    }
    EXPECT_EQ(preview(text).encoding, TextEncoding::Utf8);
    EXPECT_EQ(preview(sjis::fromUnicode(text)).encoding, TextEncoding::Cp932);
}

TEST_F(ImportPreviewTest, HeadingsAreFoundInAnyOrderAndInTheWordsOrganisersUse) {
    // A title row above the headings; full-width and lower-case headings; columns it does not know.
    const std::string text =
        "2026年度 登録チーム,,,,,,,,,\n"
        "ＴＥＬ,No.,チーム,e-Mail,携帯,〒,リーグ,代表,メモ,住所\n"
        "03-1111-2222,1,ホークス,hawks@example.jp,０９０－１２３４－５６７８,〒100-0005,Ｃ３,鷹野,強い,"
        "東京都千代田区丸の内1-1\n";
    const ImportPreview p = preview(text);
    ASSERT_EQ(p.status, ImportPreview::Ready);
    EXPECT_EQ(p.headingRow, 2);
    EXPECT_EQ(p.unusedHeadings, (std::vector<std::string>{"No."}));
    ASSERT_EQ(placed(p), (std::vector<std::string>{"2/0 ホークス"}));
    const auto& d = p.teams[0].details;
    EXPECT_EQ(d[team_field::Telephone], stored(team_field::Telephone, "03-1111-2222"));
    EXPECT_EQ(d[team_field::Mail], stored(team_field::Mail, "hawks@example.jp"));
    // The telephone fields and the postal code are typed half-width in the program.
    EXPECT_EQ(d[team_field::Mobile], stored(team_field::Mobile, "090-1234-5678"));
    EXPECT_EQ(d[team_field::PostalCode], stored(team_field::PostalCode, "100-0005"));
    EXPECT_EQ(d[team_field::Representative], stored(team_field::Representative, "鷹野"));
    EXPECT_EQ(d[team_field::Remarks], stored(team_field::Remarks, "強い"));
    // A whole address gives its prefecture to the prefecture field and the rest to the street.
    EXPECT_EQ(d[team_field::Prefecture], stored(team_field::Prefecture, "東京都"));
    EXPECT_EQ(d[team_field::Street], stored(team_field::Street, "千代田区丸の内1-1"));
    EXPECT_FALSE(d[team_field::City]);
    EXPECT_FALSE(d[team_field::Fax]);

    // Every heading the CSV team list writes is known, each for its own field.
    std::vector<std::string> captions = {"級", "部"};
    for (std::string_view c : team_field::kCaptions) captions.emplace_back(c);
    const std::optional<ImportColumns> own = matchHeadings(captions);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->classLetter, 0);
    EXPECT_EQ(own->divisionLetter, 1);
    for (int k = 0; k < team_field::TeamName; ++k) EXPECT_EQ(own->detail[k], 2 + k) << captions[2 + k];
    EXPECT_EQ(own->name, 13);
    EXPECT_TRUE(own->unused.empty());
}

TEST_F(ImportPreviewTest, AWholeAddressIsSharedOutOverTheFieldsThatHoldIt) {
    const ImportPreview p = preview(
        "組,チーム名,都道府県,住所\n"
        "C3,一,,神奈川県横浜市港北区新横浜三丁目１番１号 新横浜グランドマンション１２０３号室\n"
        "C3,二,東京都,大阪府大阪市北区1-1\n"
        "C3,三,,横浜市港北区新横浜三丁目１番１号新横浜グランドマンション\n");
    ASSERT_EQ(p.teams.size(), 2u);
    const auto& one = p.teams[0].details;
    EXPECT_EQ(one[team_field::Prefecture], stored(team_field::Prefecture, "神奈川県"));
    // Too long for the street: what follows the blank is the building.
    EXPECT_EQ(one[team_field::Street], stored(team_field::Street, "横浜市港北区新横浜三丁目１番１号"));
    EXPECT_EQ(one[team_field::Building], stored(team_field::Building, "新横浜グランドマンション１２０３号室"));
    // A prefecture of its own keeps an address that names another one whole.
    const auto& two = p.teams[1].details;
    EXPECT_EQ(two[team_field::Prefecture], stored(team_field::Prefecture, "東京都"));
    EXPECT_EQ(two[team_field::Street], stored(team_field::Street, "大阪府大阪市北区1-1"));
    EXPECT_EQ(refusals(p), (Refusals{{4, "「住所」が長すぎます（全角20文字・半角40文字まで）"}}));
}

TEST_F(ImportPreviewTest, AWholeAddressGivesTheCityTheDictionaryKnowsToEndThere) {
    // The dictionary's cities, by prefecture; a name of a city inside another's (四日市 in
    // 四日市市, 東村 in 東村山市) is no city of its own.
    const std::set<std::pair<std::string, std::string>> cities = {
        {"神奈川県", "横浜市港北区"}, {"三重県", "四日市市"}, {"東京都", "東村山市"}, {"東京都", "千代田区"}};
    const KnownCity known = [&](std::string_view prefecture, std::string_view city) {
        return cities.count({std::string(prefecture), std::string(city)}) > 0;
    };
    const std::string text =
        "組,チーム名,都道府県,区市郡,住所\n"
        "C3,一,,,神奈川県横浜市港北区日吉1-2\n"
        "C3,二,,,三重県四日市市諏訪町1-5\n"
        "C3,三,東京都,,東村山市本町2-3\n"
        "C3,四,,千代田区,東京都千代田区丸の内1\n"
        "C3,五,,,大阪府大阪市北区梅田1\n";
    const ImportPreview p = previewImportBytes(m, dir, text, known);
    ASSERT_EQ(p.teams.size(), 5u);
    auto expect = [&](std::size_t i, const char* city, const char* street) {
        const std::optional<std::string> wanted =
            city ? std::optional<std::string>(stored(team_field::City, city)) : std::nullopt;
        EXPECT_EQ(p.teams[i].details[team_field::City], wanted) << i;
        EXPECT_EQ(p.teams[i].details[team_field::Street], stored(team_field::Street, street)) << i;
    };
    expect(0, "横浜市港北区", "日吉1-2");
    expect(1, "四日市市", "諏訪町1-5");
    expect(2, "東村山市", "本町2-3");
    // A city column of the row's own wins, and is not repeated in the street.
    expect(3, "千代田区", "丸の内1");
    // A city the dictionary does not know is not guessed at.
    expect(4, nullptr, "大阪市北区梅田1");
    // Without a dictionary nothing is split beyond the prefecture.
    EXPECT_EQ(preview(text).teams[0].details[team_field::Street], stored(team_field::Street, "横浜市港北区日吉1-2"));
}

TEST_F(ImportPreviewTest, AGroupIsNamedByItsLettersOrItsNumber) {
    const std::string text = "部,チーム名\nA1,一\nＡ１,二\nC級3部,三\n3,四\n 2 ,五\n";
    const ImportPreview p = preview(text);
    // Without a 級 column, 部 names the whole group. A1 has rows 2, 4, 5 … empty.
    EXPECT_EQ(placed(p), (std::vector<std::string>{"0/1 一", "0/3 二", "2/0 三", "2/1 四", "1/9 五"}));
    // With one, the two columns give the two letters.
    const ImportPreview letters = preview("級,部,チーム名\nC,3,六\nＣ,３,七\nB,,八\n");
    EXPECT_EQ(placed(letters), (std::vector<std::string>{"2/0 六", "2/1 七"}));
    EXPECT_EQ(refusals(letters), (Refusals{{4, "組「B」はありません"}}));
    // The counts per group, in group order.
    ASSERT_EQ(p.groups.size(), 3u);
    EXPECT_EQ(p.groups[0].name, "A級 1部");
    EXPECT_EQ(p.groups[0].teamsBefore, 2);
    EXPECT_EQ(p.groups[0].added, 2);
    EXPECT_EQ(p.groups[1].name, "B級 2部");
    EXPECT_EQ(p.groups[1].teamsBefore, 9);
    EXPECT_EQ(p.groups[2].added, 2);
    EXPECT_EQ(p.added(), 5);
}

TEST_F(ImportPreviewTest, EveryRowThatCannotBeTakenIsRefusedWithItsRowAndReason) {
    const std::string text =
        "組,チーム名,電話番号,代表者名,備考\n"                // 1
        "B2,十番目,,,\n"                                      // 2: fills B2's last row
        "B2,十一番目,,,\n"                                    // 3: B2 is full now
        "A1,あいうえおかきくけこさ,,,\n"                      // 4: 22 bytes
        "A1,𠮷野家,,,\n"                                      // 5: no Shift-JIS form
        "Z9,迷子,,,\n"                                        // 6
        "A1,北斗,,,\n"                                        // 7: already in A1: its details are updated
        "C3,南風,,,\n"                                        // 8: already in A1
        "C3,十番目,,,\n"                                      // 9: a second row of one name
        ",名無しの組,,,\n"                                    // 10
        "C3,,03-0000-0000,,\n"                                // 11
        "C3,休んでる,,,\n"                                    // 12: suspended
        "C3,長い電話,03-1234-5678-9,代表者の名前は九文字,\n"  // 13: two fields too long
        "C3,\"改\n行\",,,\n"                                  // 14: a line break in a name
        ",,,,\n"                                              // 15: an empty row of the sheet: skipped
        "C3,\"閉じない,,,\n";                                 // 16
    const ImportPreview p = preview(text);
    ASSERT_EQ(p.status, ImportPreview::Ready);
    EXPECT_EQ(placed(p), (std::vector<std::string>{"1/9 十番目"}));
    EXPECT_EQ(refusals(p), (Refusals{{3, "B級 2部は10チームでいっぱいです"},
                                     {4, "「チーム名」が長すぎます（全角10文字・半角20文字まで）"},
                                     {5, "「チーム名」の「𠮷」はシフトJISで表せない文字です"},
                                     {6, "組「Z9」はありません"},
                                     {8, "すでにA級 1部にいるチームです"},
                                     {9, "同じチーム名が2行目にもあります"},
                                     {10, "組がありません"},
                                     {11, "チーム名がありません"},
                                     {12, "休会中のチームです"},
                                     {13,
                                      "「電話番号」が長すぎます（全角6文字・半角13文字まで）、"
                                      "「代表者名」が長すぎます（全角8文字・半角16文字まで）"},
                                     {14, "「チーム名」に改行やタブなどの制御文字があります"},
                                     {16, "「\"」が閉じていないため、この行から後を読めません"}}));
    ASSERT_EQ(p.groups.size(), 2u);
    EXPECT_EQ(p.groups[0].unchanged, 1);
    EXPECT_EQ(p.updated(), 0);
    // Nothing was written.
    EXPECT_EQ(t.read(files::kResults), results);
    EXPECT_EQ(t.read(files::kTeamRegister), teams);
}

TEST_F(ImportPreviewTest, ANewTeamNeedsAFreeRegisterRecord) {
    // Every record but one carries a name already.
    std::string full;
    for (int n = 1; n <= 200; ++n) full += teamRecord("", n == 150 ? "" : "登録" + std::to_string(n));
    t.write(files::kTeamRegister, full);
    const ImportPreview p = preview("組,チーム名\nC3,新一\nC3,新二\nC3,登録7\n");
    ASSERT_EQ(p.teams.size(), 2u);
    EXPECT_EQ(p.teams[0].recordNo, 150);
    EXPECT_TRUE(p.teams[0].newRecord);
    // A name that has a record keeps it, whether or not the team is in the term.
    EXPECT_EQ(p.teams[1].recordNo, 7);
    EXPECT_FALSE(p.teams[1].newRecord);
    EXPECT_EQ(refusals(p), (Refusals{{3, "チーム情報の空きがありません（200チームまで）"}}));
}

TEST_F(ImportPreviewTest, AFileItCannotReadSaysWhyAndTakesNothing) {
    const std::pair<std::string, ImportPreview::Status> cases[] = {
        {"\xFF\xFE" + std::string("a\0", 2), ImportPreview::Utf16},
        {"組,チーム名\n\x80\x80\n", ImportPreview::UnknownEncoding},
        {"組,代表者名\nA1,北村\n", ImportPreview::NoNameColumn},
        {"チーム名,代表者名\n北斗,北村\n", ImportPreview::NoGroupColumn},
        {"", ImportPreview::NoNameColumn},
    };
    for (const auto& [bytes, status] : cases) {
        const ImportPreview p = preview(bytes);
        EXPECT_EQ(p.status, status) << bytes;
        EXPECT_TRUE(p.teams.empty());
        EXPECT_FALSE(importStatusText(p).empty());
    }
    EXPECT_EQ(previewImport(m, dir, t.path("no such file.csv")).status, ImportPreview::FileUnreadable);
    std::filesystem::remove(t.path(files::kResults));
    EXPECT_EQ(preview("組,チーム名\nA1,x\n").status, ImportPreview::LeagueUnreadable);
}

TEST(ImportCells, CellsBecomeFieldBytesOrAReasonNeverACut) {
    // Full-width ASCII is kept where the program takes it (names, addresses) and folded
    // where it is typed half-width.
    EXPECT_EQ(readTeamNameCell("　ＦＣ東京　", "チーム名").bytes, sjis::fromUnicode("ＦＣ東京"));
    EXPECT_EQ(readDetailCell(team_field::Street, "１丁目２－３", "番地").bytes, sjis::fromUnicode("１丁目２－３"));
    EXPECT_EQ(readDetailCell(team_field::Fax, "（０３）１１１１", "FAX").bytes, "(03)1111");
    // A full field fits; one byte more is refused.
    EXPECT_EQ(readDetailCell(team_field::Telephone, "0123456789012", "電話").bytes, "0123456789012");
    EXPECT_FALSE(readDetailCell(team_field::Telephone, "01234567890123", "電話").problem.empty());
    // Blank cells give nothing; a memo keeps its inner breaks as CR LF and loses leading ones.
    EXPECT_TRUE(readDetailCell(team_field::Representative, " 　 ", "代表").bytes.empty());
    EXPECT_EQ(readDetailCell(team_field::Remarks, "\n\na\nb\rc  ", "備考").bytes, "a\r\nb\r\nc");
    EXPECT_EQ(readDetailCell(team_field::Remarks, std::string(399, 'x') + "\n", "備考").problem,
              "「備考」が長すぎます（全角200文字・半角400文字まで）");
    // Leading blanks are the user's: they stay.
    EXPECT_EQ(readDetailCell(team_field::Representative, " 北村", "代表").bytes, " " + sjis::fromUnicode("北村"));

    const std::string groups = "A1B C3" + std::string(14, ' ') + "Z9" + std::string(18, ' ');
    EXPECT_EQ(groupSlotOf(groups, "B"), 1);
    EXPECT_EQ(groupSlotOf(groups, "B級"), 1);
    EXPECT_EQ(groupSlotOf(groups, "11"), 10);  // Z9's number
    EXPECT_EQ(groupSlotOf(groups, "4"), -1);   // a slot without letters
    EXPECT_EQ(groupSlotOf(groups, "21"), -1);
    EXPECT_EQ(groupSlotOfLetters(groups, "Ｚ", "９"), 10);
    EXPECT_EQ(groupSlotOfLetters(groups, "", ""), -1);
    EXPECT_EQ(groupDisplayName(groups, 1), "B級");
}

}  // namespace
