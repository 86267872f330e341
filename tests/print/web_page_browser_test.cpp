// By hand only: writes a full league's web page into the folder named by
// TALLYFOLD_BROWSER_SHOTS and renders it in headless Chromium at a phone's width and a
// desktop's, for a person to look at. Skipped everywhere else, CI included.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

#include "print/league_files.h"
#include "print/web_page_export.h"
#include "store/calendar.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

const char* const kNames[] = {
    "桜ヶ丘ファイターズ", "ＦＣ東京ジュニア",   "ﾍﾞｱｰｽﾞ", "みなと少年野球部", "北斗", "レッドスターズ",
    "若葉台クラブ",       "ホワイトイーグルス", "南風",   "青空リトル"};

// A PNG's width from its header.
int pngWidth(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    unsigned char h[24] = {};
    const std::size_t n = std::fread(h, 1, sizeof h, f);
    std::fclose(f);
    return n == sizeof h ? (h[16] << 24 | h[17] << 16 | h[18] << 8 | h[19]) : 0;
}

TEST(WebPageInBrowser, RendersAtPhoneAndDesktopWidths) {
    const char* shots = std::getenv("TALLYFOLD_BROWSER_SHOTS");
    const QString browser = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (!shots || browser.isEmpty()) GTEST_SKIP() << "by hand: set TALLYFOLD_BROWSER_SHOTS and install chromium";

    TempFolder t;
    LeagueFiles f("381");
    f.league(3, 10);
    for (int g = 0; g < 3; ++g)
        for (int r = 0; r < 10; ++r)
            f.results.replace(32 + 46 * std::size_t(g * 10 + r), 20, storedName(kNames[(r + 3 * g) % 10]));
    // B2 holds six teams, C3 four.
    for (int r = 6; r < 10; ++r) f.results.replace(32 + 46 * std::size_t(10 + r), 46, std::string(45, ' ') + "\n");
    for (int r = 4; r < 10; ++r) f.results.replace(32 + 46 * std::size_t(20 + r), 46, std::string(45, ' ') + "\n");
    f.writeTo(t);
    LeagueModel m = modelWithGroups(3);
    m.userName = padField(sjis::fromUnicode("湘南少年軟式野球連盟"), false, 40);
    setClockForTesting(LocalDateTime{2026, 12, 8, 21, 30, 0});
    const WebPageExport out = exportWebPage(m, t.dir());
    setClockForTesting(std::nullopt);
    ASSERT_EQ(out.kind, WebPageExport::Written);
    const std::filesystem::path folder = shots;
    std::filesystem::create_directories(folder);
    const std::filesystem::path page = folder / "web_page.html";
    std::filesystem::copy_file(t.path(out.written[0]), page, std::filesystem::copy_options::overwrite_existing);

    TempFolder profile;
    for (const auto& [name, width, height] :
         {std::tuple{"web_page_phone.png", 375, 1400}, {"web_page_desktop.png", 1200, 1100}}) {
        const std::string png = (folder / name).string();
        QProcess p;
        p.start(browser,
                {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                 QString::fromStdString("--user-data-dir=" + profile.root()),
                 QString::fromStdString("--window-size=" + std::to_string(width) + "," + std::to_string(height)),
                 QString::fromStdString("--screenshot=" + png), QString::fromStdString("file://" + page.string())});
        ASSERT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(pngWidth(png), width) << png;
    }
}

}  // namespace
