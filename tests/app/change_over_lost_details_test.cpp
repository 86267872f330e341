// A change-over in a full league where some teams' details would find no record: F1 names
// those teams and waits for はい; いいえ leaves everything as it was.

#include <QFrame>
#include <QLabel>
#include <filesystem>
#include <map>

#include "support/form_fixture.h"
#include "support/league_folder.h"
#include "support/records.h"

namespace fs = std::filesystem;

namespace {

class LostDetails : public FormTest {
protected:
    // Twenty groups of ten; the team at position 5 of the newest term was renamed, so that
    // チーム5's details belong to no team of the next term and find no free record.
    void prepareFiles() override {
        layLeague(folder_, LeagueShape{20, 10, 2, 2, 0});
        std::string results = folder_.read("Data/Seiseki.001");
        results.replace(resultAt(0, 5), 20, name20("新チーム"));
        folder_.write("Data/Seiseki.001", results);
    }
    bool visible(const char* panel) const { return child<QFrame>(panel)->isVisible(); }
    std::map<std::string, std::string> dataFiles() const {
        std::map<std::string, std::string> s;
        for (const auto& e : fs::directory_iterator(folder_.path("Data")))
            s[e.path().filename().string()] = folder_.read("Data/" + e.path().filename().string());
        return s;
    }
};

TEST_F(LostDetails, TheTeamsAreNamedAndHaiGoesAhead) {
    key(Qt::Key_Escape);
    key(Qt::Key_F2);
    ASSERT_TRUE(visible("Panel_Kousin"));
    const auto before = dataFiles();

    key(Qt::Key_F1);
    ASSERT_TRUE(visible("Panel_SyousaiKakunin"));
    EXPECT_EQ(focusName(), "Edit_SyousaiKakuninCommandChoose");
    EXPECT_TRUE(child<QLabel>("Label_SyousaiKakunin")->text().contains(QStringLiteral("チーム5")));
    key(Qt::Key_F1);  // the change-over's own keys wait while the question is open: F1 is はい here
    ASSERT_FALSE(visible("Panel_SyousaiKakunin"));
    EXPECT_FALSE(visible("Panel_Kousin"));
    EXPECT_NE(dataFiles(), before);
    EXPECT_TRUE(fs::exists(folder_.path("Backup/Data-20261208-100000/Info.001")));
}

TEST_F(LostDetails, IieAndEscapeGoBackToTheScreen) {
    key(Qt::Key_Escape);
    key(Qt::Key_F2);
    const auto before = dataFiles();
    key(Qt::Key_F1);
    key(Qt::Key_Return);  // いいえ is highlighted first
    EXPECT_FALSE(visible("Panel_SyousaiKakunin"));
    EXPECT_TRUE(visible("Panel_Kousin"));
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    EXPECT_EQ(state().sidePanelOpen, 0);
    key(Qt::Key_F1);
    key(Qt::Key_Escape);
    EXPECT_TRUE(visible("Panel_Kousin"));
    EXPECT_EQ(dataFiles(), before);
    EXPECT_FALSE(fs::exists(folder_.path("Backup")));
}

}  // namespace
