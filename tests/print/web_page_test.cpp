// The standings as a web page, read with Python's HTML parser as a browser would take it
// apart: one self-contained UTF-8 file, every team and every mark of every group as the
// screen shows them, texts escaped, and no contact detail anywhere.

#include "print/web_page.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <filesystem>

#include "print/league_files.h"
#include "print/python_reader.h"
#include "print/web_page_export.h"
#include "store/calendar.h"
#include "store/file_io.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

const TeamContactsText kSecrets{"北村　秘密", "090-9999-0001",     "03-9999-0002", "03-9999-0003",
                                "秘密区",     "秘密町1-2",         "秘密ビル",     "999-0004",
                                "秘密県",     "secret@example.jp", "秘密のメモ"};

class WebPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!pythonAvailable()) GTEST_SKIP() << "no python3 here";
        setClockForTesting(LocalDateTime{2026, 12, 8, 21, 30, 0});
    }
    void TearDown() override {
        setClockForTesting(std::nullopt);
        fileio::testing::reset();
    }

    // Groups A1 and B2 of 2026後期, four teams each; a name full of HTML's own characters;
    // every team's contact details filled with text found nowhere else.
    void layLeague() {
        LeagueFiles f("381");
        f.league(2, 4);
        f.results.replace(32 + 46 * 11, 20, storedName(kAwkward));
        for (int g = 0; g < 2; ++g)
            for (int r = 0; r < 4; ++r)
                f.contacts(g * 10 + r + 1, g == 1 && r == 1 ? kAwkward : leagueTeamName(g, r), kSecrets);
        f.writeTo(t);
        m.userName = padField(sjis::fromUnicode("桜ヶ丘<少年>野球連盟"), false, 40);
    }

    static constexpr const char* kAwkward = "<b>&\"'ズ";
    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m = modelWithGroups(2);
};

std::vector<std::string> strings(const QJsonArray& a) {
    std::vector<std::string> out;
    for (const QJsonValue& v : a)
        out.push_back(v.isArray() ? v.toArray()[0].toString().toStdString() : v.toString().toStdString());
    return out;
}

TEST_F(WebPageTest, HoldsEveryGroupsTableAsTheScreenShowsIt) {
    layLeague();
    const WebPageExport out = exportWebPage(m, dir);
    ASSERT_EQ(out.kind, WebPageExport::Written);
    EXPECT_EQ(out.written, (std::vector<std::string>{"Export/勝敗表_2026後期.html"}));
    const QJsonObject page = readWithPython("read_html.py", t.path(out.written[0]));

    EXPECT_TRUE(page["doctype"].toBool());
    EXPECT_TRUE(page["balanced"].toBool());
    EXPECT_EQ(page["lang"].toString(), "ja");
    EXPECT_EQ(page["charset"].toString(), "utf-8");
    EXPECT_EQ(page["viewport"].toString(), "width=device-width, initial-scale=1");
    EXPECT_EQ(page["title"].toString().toStdString(), "桜ヶ丘<少年>野球連盟 勝敗表 2026年度 後期");
    EXPECT_EQ(strings(page["h1"].toArray()), (std::vector<std::string>{"桜ヶ丘<少年>野球連盟"}));
    const std::vector<std::string> paragraphs = strings(page["p"].toArray());
    ASSERT_GE(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[0], "2026年度 後期 勝敗表");
    EXPECT_EQ(paragraphs[1], "2026年12月8日現在");

    const QJsonArray sections = page["sections"].toArray();
    ASSERT_EQ(sections.size(), 2);
    for (int g = 0; g < 2; ++g) {
        const QJsonObject s = sections[g].toObject();
        EXPECT_EQ(s["h2"].toString().toStdString(), std::string(g == 0 ? "A級 1部" : "B級 2部") + "4チーム");
        std::vector<std::string> names;
        for (int r = 0; r < 4; ++r) names.push_back(g == 1 && r == 1 ? kAwkward : leagueTeamName(g, r));
        std::vector<std::string> head = {"チーム名"};
        head.insert(head.end(), names.begin(), names.end());
        for (const char* c : {"勝", "敗", "分", "勝点", "勝率", "順位"}) head.push_back(c);
        EXPECT_EQ(strings(s["head"].toArray()), head);

        const QJsonArray rows = s["rows"].toArray();
        ASSERT_EQ(rows.size(), 4);
        for (int r = 0; r < 4; ++r) {
            // As the fixture laid them: code (r + c) % 3 + 1 against column c, rank r + 1.
            std::vector<std::string> cells = {names[r]};
            int wins = 0, losses = 0, draws = 0;
            for (int c = 0; c < 4; ++c) {
                const int code = (r + c) % 3 + 1;
                cells.push_back(c == r ? "" : code == 1 ? "○" : code == 2 ? "×" : "△");
                if (c != r) (code == 1 ? wins : code == 2 ? losses : draws)++;
            }
            char rate[8];
            std::snprintf(rate, sizeof rate, "%.3f", double(wins) / (wins + losses));
            cells.insert(cells.end(),
                         {std::to_string(wins), std::to_string(losses), draws ? std::to_string(draws) : "",
                          std::to_string(2 * wins + draws), rate[0] == '0' ? rate + 1 : rate, std::to_string(r + 1)});
            EXPECT_EQ(strings(rows[r].toArray()), cells) << "group " << g << " row " << r;
            EXPECT_EQ(rows[r].toArray()[1 + r].toArray()[1].toString(), "mark self");
        }
    }
}

TEST_F(WebPageTest, StandsAloneAndHoldsNoContactDetail) {
    layLeague();
    const WebPageExport out = exportWebPage(m, dir);
    ASSERT_EQ(out.kind, WebPageExport::Written);
    const std::string html = t.read(out.written[0]);
    const QJsonObject page = readWithPython("read_html.py", t.path(out.written[0]));
    EXPECT_EQ(page["scripts"].toInt(), 0);
    EXPECT_TRUE(page["fetching"].toArray().isEmpty()) << html;
    const std::string style = page["style"].toString().toStdString();
    EXPECT_FALSE(style.empty());
    for (const char* fetch : {"url(", "@import", "http"}) EXPECT_EQ(style.find(fetch), std::string::npos) << fetch;
    // Each table scrolls in its own box; the page itself never gets wider than the screen.
    EXPECT_NE(style.find(".scroll{max-width:100%;overflow-x:auto"), std::string::npos);
    // Not one contact field, in the text or in the markup.
    const std::string text = page["text"].toString().toStdString();
    for (const std::string& secret : {kSecrets.representative, kSecrets.mobile, kSecrets.telephone, kSecrets.fax,
                                      kSecrets.city, kSecrets.street, kSecrets.building, kSecrets.postalCode,
                                      kSecrets.prefecture, kSecrets.mail, kSecrets.remarks, std::string("秘密")}) {
        EXPECT_EQ(html.find(secret), std::string::npos) << secret;
        EXPECT_EQ(text.find(secret), std::string::npos) << secret;
    }
    // The awkward name is escaped in the file and reads back whole.
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_NE(html.find("&lt;b&gt;&amp;&quot;&#39;ズ"), std::string::npos);
}

TEST(WebPageText, EscapesEveryCharacterHtmlGivesAMeaning) {
    EXPECT_EQ(htmlEscape("a<b>&\"'c"), "a&lt;b&gt;&amp;&quot;&#39;c");
    EXPECT_EQ(htmlEscape("タイガース"), "タイガース");
    EXPECT_EQ(webPageFileName(TermLabel{38, 0}), "勝敗表_2026前期.html");
    EXPECT_EQ(webPageFileName(TermLabel{}), "勝敗表.html");
}

TEST_F(WebPageTest, IsWrittenWholeOrNotAtAll) {
    EXPECT_EQ(exportWebPage(m, dir).kind, WebPageExport::Unreadable);
    LeagueFiles("381").writeTo(t);
    EXPECT_EQ(exportWebPage(m, dir).kind, WebPageExport::NothingToExport);
    EXPECT_FALSE(t.exists("Export"));

    layLeague();
    t.write("Export/勝敗表_2026後期.html", "the page uploaded last week");
    fileio::testing::failWritesWhen(
        [](const fileio::testing::WriteAttempt& a) { return a.path.find(".html") != std::string::npos; });
    const WebPageExport out = exportWebPage(m, dir);
    EXPECT_EQ(out.kind, WebPageExport::Failed);
    EXPECT_EQ(out.failed, "Export/勝敗表_2026後期.html");
    EXPECT_EQ(t.read("Export/勝敗表_2026後期.html"), "the page uploaded last week");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.path("Export")), {}), 1);
}

}  // namespace
