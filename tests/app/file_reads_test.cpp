// What the program reads from disk as the user waits: the team register (200 KB) is read
// whole once at start-up, and a group switch after a detail has been written reads none of
// it again. Counted in bytes at the file layer.

#include <map>

#include "details_fixture.h"
#include "store/file_io.h"
#include "store/record_layout.h"

namespace {

class FileReads : public DetailsFixture {
protected:
    void prepareFiles() override {
        DetailsFixture::prepareFiles();
        fileio::testing::countReads(&reads_);
    }
    void TearDown() override {
        fileio::testing::countReads(nullptr);
        DetailsFixture::TearDown();
    }
    long registerBytesRead() { return reads_[folder_.path(files::kTeamRegister)]; }

    std::map<std::string, long> reads_;
};

TEST_F(FileReads, AStartReadsTheTeamRegisterOnce) {
    const long size = folder_.size(files::kTeamRegister);
    // The whole file once, and the record of the team whose details are shown.
    EXPECT_GE(registerBytesRead(), size);
    EXPECT_LE(registerBytesRead(), size + kTeamRecordLength);
}

TEST_F(FileReads, AGroupSwitchAfterADetailEditReadsNoWholeRegister) {
    chooseTeam(2);
    enterField("Edit_City");
    clearField();
    typeText(QStringLiteral("渋谷区"));
    key(Qt::Key_Return);
    ASSERT_EQ(record(7).substr(71, 20), padded("渋谷区", 20));

    reads_.clear();
    click(child("Edit_Kyuu_02"));
    EXPECT_EQ(model().currentGroup, 2);
    click(child("Edit_Kyuu_01"));
    EXPECT_EQ(model().currentGroup, 1);
    EXPECT_LE(registerBytesRead(), 2 * kTeamRecordLength) << "at most the records of the teams whose details show";
}

}  // namespace
