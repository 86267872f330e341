// Which working folder the program opens: the one named on the command line, else the
// current folder when it holds Data/, else ~/Tallyfold, here with a temporary stand-in for
// the home folder and the real main form started in it.

#include "app/work_folder.h"

#include <QDir>
#include <QLabel>
#include <cstdlib>
#include <optional>

#include "support/form_fixture.h"
#include "support/league_folder.h"

namespace {

class WorkFolder : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* h = std::getenv("HOME")) savedHome_ = h;
        ::setenv("HOME", home_.root().c_str(), 1);
        savedCurrent_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(current_.root()));
        setClockForTesting(LocalDateTime{2026, 12, 8, 10, 0, 0});
    }
    void TearDown() override {
        if (form_) form_->close();
        form_.reset();
        QDir::setCurrent(savedCurrent_);
        if (savedHome_)
            ::setenv("HOME", savedHome_->c_str(), 1);
        else
            ::unsetenv("HOME");
        setClockForTesting(std::nullopt);
    }
    // Starts the program as main() does, with these arguments.
    void start(const QStringList& arguments) {
        form_ = std::make_unique<TBaseBall>(openWorkFolder(arguments));
        form_->show();
        QApplication::processEvents();
    }
    QString opened() const { return QString::fromStdString(form_->dataDir().root()); }

    TempFolder home_, current_;
    std::unique_ptr<TBaseBall> form_;
    std::optional<std::string> savedHome_;
    QString savedCurrent_;
};

TEST_F(WorkFolder, WithoutAnArgumentOrDataHereTheLeagueIsKeptInTallyfoldAtHome) {
    start({});
    EXPECT_EQ(opened(), QString::fromStdString(home_.path("Tallyfold")));
    // The program works there: a first start has made its files and shows no warning.
    EXPECT_EQ(home_.size("Tallyfold/Data/Seiseki.001"), 9232);
    EXPECT_EQ(form_->findChild<QLabel*>("Label_StartupNotice")->text(), QString());
    EXPECT_FALSE(current_.exists("Data"));

    // The next start finds the same league.
    form_->close();
    form_.reset();
    start({});
    EXPECT_EQ(opened(), QString::fromStdString(home_.path("Tallyfold")));
}

TEST_F(WorkFolder, ACurrentFolderHoldingDataIsOpenedAsItIs) {
    layLeague(current_);
    start({});
    EXPECT_EQ(opened(), QString::fromStdString(current_.root()));
    EXPECT_EQ(form_->findChild<QLabel*>("Label_TeamDs")->text(), "48");
    EXPECT_FALSE(home_.exists("Tallyfold"));
}

TEST_F(WorkFolder, AFolderNamedOnTheCommandLineWinsAndIsMadeWhenMissing) {
    layLeague(current_);
    start({QStringLiteral("leagues/2026")});
    EXPECT_EQ(opened(), QString::fromStdString(current_.path("leagues/2026")));
    EXPECT_TRUE(current_.exists("leagues/2026/Data/Seiseki.001"));

    EXPECT_EQ(chooseWorkFolder({QString::fromStdString(home_.root())}, QStringLiteral("/elsewhere"),
                               QStringLiteral("/nohome")),
              QString::fromStdString(home_.root()));
}

TEST(ShippedFiles, AreCopiedWhereMissingAndNeverOverAFile) {
    TempFolder shared, work;
    shared.write("Images/ZenkiLeft_on.jpg", "picture");
    shared.write("Images/KoukiLeft_on.jpg", "shipped");
    work.write("Images/KoukiLeft_on.jpg", "the organiser's own");
    copyShippedFiles(QString::fromStdString(shared.root()), QString::fromStdString(work.root()));
    EXPECT_EQ(work.read("Images/ZenkiLeft_on.jpg"), "picture");
    EXPECT_EQ(work.read("Images/KoukiLeft_on.jpg"), "the organiser's own");
}

}  // namespace
