// The real program started twice on one working folder: the second says which process holds
// the folder and ends without writing; after the first was killed, a start opens normally.

#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <map>

#include "session/league_session.h"
#include "store/folder_lock.h"
#include "support/league_folder.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPatience = 60000;  // ms a start may take on a loaded machine

using Files = std::map<std::string, std::string>;

// Every file below the folder; the temporary files a running start makes and removes aside.
Files everyFile(const TempFolder& t) {
    Files s;
    for (const auto& e : fs::recursive_directory_iterator(t.root())) {
        const std::string relative = fs::relative(e.path(), t.root()).string();
        if (e.is_regular_file() && relative.find(".tf-new") == std::string::npos) s[relative] = t.read(relative);
    }
    return s;
}

class SecondStart : public ::testing::Test {
protected:
    void SetUp() override {
        layLeague(t, LeagueShape{3, 8, 4, 2, 2});
        // Started once already, so that a start has nothing left to create.
        LeagueModel m;
        loadLeague(m, t.dir(), CalendarDate{2026, 12, 8});
    }
    void TearDown() override {
        for (auto* p : {&first, &again})
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(kPatience);
            }
    }
    void launch(QProcess& p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TALLYFOLD_PROGRAM), {QString::fromStdString(t.root())});
        ASSERT_TRUE(p.waitForStarted(kPatience));
    }
    // Waits until the process holds the folder, as its lock file says.
    void waitForHolder(QProcess& p) {
        const std::string pid = std::to_string(p.processId()) + "\n";
        for (int i = 0; i < kPatience / 20 && t.read(kLockFile) != pid; ++i) {
            ASSERT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
            p.waitForFinished(20);
        }
        ASSERT_EQ(t.read(kLockFile), pid);
    }

    // Waits until the running program has done its start-up writes: the folder holds still.
    Files settledFiles(QProcess& p) {
        Files last = everyFile(t);
        for (int i = 0; i < kPatience / 100; ++i) {
            p.waitForFinished(100);
            Files now = everyFile(t);
            if (now == last) return now;
            last = std::move(now);
        }
        return last;
    }

    TempFolder t;
    QProcess first, again;
};

TEST_F(SecondStart, EndsWithAMessageAndWritesNothing) {
    launch(first);
    waitForHolder(first);
    const Files before = settledFiles(first);

    QProcess second;
    launch(second);
    ASSERT_TRUE(second.waitForFinished(kPatience));
    EXPECT_NE(second.exitCode(), 0);
    const QString message = QString::fromLocal8Bit(second.readAllStandardError());
    EXPECT_TRUE(message.contains(QString::fromStdString(t.root()))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::number(first.processId()))) << message.toStdString();
    EXPECT_EQ(everyFile(t), before);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SecondStart, AfterTheFirstWasKilledTheFolderOpensNormally) {
    launch(first);
    waitForHolder(first);
    ::kill(pid_t(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(kPatience));

    launch(again);
    waitForHolder(again);
    EXPECT_EQ(again.state(), QProcess::Running);
}

}  // namespace
