// The details area: each field writes its own bytes of the selected team's record, found by
// name, when it is confirmed or left; the keys move through the fields; the memo keeps its
// lines and what was stored; the city is written only by [Enter].

#include <QTimer>

#include "details_fixture.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/timed_messages.h"
#include "store/file_io.h"

namespace {

using DetailsArea = DetailsFixture;

TEST_F(DetailsArea, ARepresentativeIsStoredInTheTeamsOwnRecordAndTheFocusMovesOn) {
    chooseTeam(2);
    EXPECT_EQ(text("Label_SyousaiName"), QStringLiteral("桜台"));
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("旧代表"));
    EXPECT_EQ(text("Memo_Syousai"), QStringLiteral(" 字下げのメモ"));
    EXPECT_EQ(text("Label_Kenmei"), QStringLiteral("東京都  "));
    EXPECT_EQ(recordedFocus(), "Edit_SyousaiDaihyouName");
    EXPECT_EQ(child<FramedShape>("Shape_SyousaiDaihyouName")->penColor(), form_colors::kRed);
    EXPECT_EQ(text("Label_HelpMsg_02"),
              QStringLiteral("[ESC]キーでコマンドパネルを開きます．[Home or F9]キーでチーム名の入力に戻ります．"));

    clearField();
    typeText(QStringLiteral("山田"));
    const long writes = fileio::writesDone();
    key(Qt::Key_Return);
    EXPECT_EQ(fileio::writesDone() - writes, 1) << "[Enter] and the leaving that follows write once";
    EXPECT_EQ(folder_.read(files::kTeamRegister), registerWith(7, 0, sj("山田") + std::string(12, ' ')));
    EXPECT_EQ(focusName(), "Edit_Keitai");
    EXPECT_EQ(child<FramedShape>("Shape_SyousaiDaihyouName")->penColor(), form_colors::kSilver);
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("山田") + QString(12, ' '));
    key(Qt::Key_Home);
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("山田"));
}

TEST_F(DetailsArea, EveryWriteLandsInTheSelectedTeamsRecordAndNoOther) {
    chooseTeam(3);
    EXPECT_EQ(model().detailRecordNo, 2);
    typeText(QStringLiteral("緑代表"));
    key(Qt::Key_Return);
    keys("045-111-2222");
    enterField("Edit_Mail");  // leaving with the mouse writes as [Enter] does
    keys("taro@example.jp");
    chooseTeam(2);  // leaving the mail field for another team's row
    EXPECT_EQ(model().detailRecordNo, 7);
    EXPECT_EQ(text("Edit_Keitai"), QStringLiteral("090-1111-2222"));
    typeText(QStringLiteral("桜"));
    key(Qt::Key_Return);

    std::string expected = registerWith(2, 0, padded("緑代表", 16));
    expected.replace(teamAt(2) + 16, 13, "045-111-2222 ");
    expected.replace(teamAt(2) + 171, 40, padded("taro@example.jp", 40));
    expected.replace(teamAt(7) + 0, 16, sj("旧代表桜") + std::string(8, ' '));
    EXPECT_EQ(folder_.read(files::kTeamRegister), expected);

    // A row without a team has no record: nothing can be typed, nothing is written.
    chooseTeam(5);
    EXPECT_EQ(text("Label_SyousaiName"), QString());
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QString());
    typeText(QStringLiteral("だれ"));
    keys("x");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_Keitai");
    EXPECT_EQ(folder_.read(files::kTeamRegister), expected);
}

TEST_F(DetailsArea, HomeGoesBackF9ReturnsToTheTeamNameAndEscOpensTheCommandPanel) {
    chooseTeam(2);
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), "Edit_TeamName_02");
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_Keitai");
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), "Edit_SyousaiDaihyouName");
    enterField("Edit_Banti");
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), "Edit_City");
    enterField("Edit_Banti");
    typeText(QStringLiteral("新宿３"));
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(record(7).substr(91, 40), padded("新宿３", 40)) << "leaving for the panel writes";
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_Banti");
    enterField("Memo_Syousai");
    key(Qt::Key_F9);
    EXPECT_EQ(focusName(), "Edit_TeamName_02");

    // While a panel is open a field is not entered, and what was typed there is not kept.
    key(Qt::Key_Escape);
    click(child("Edit_Bill"));
    typeText(QStringLiteral("ビル"));
    QMetaObject::invokeMethod(form_->errorMessageTimer(), "timeout");
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(text("Edit_Bill"), QString(40, ' '));
    EXPECT_EQ(record(7).substr(131, 40), std::string(40, ' '));
}

TEST_F(DetailsArea, TheMemoStoresItsLinesAndKeepsWhatWasStoredWhenLeftUnchanged) {
    chooseTeam(2);
    const std::string before = folder_.read(files::kTeamRegister);
    enterField("Memo_Syousai");
    key(Qt::Key_End);
    enterField("Edit_Mail");
    EXPECT_EQ(folder_.read(files::kTeamRegister), before) << "a leading blank survives";

    enterField("Memo_Syousai");
    key(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("一行目"));
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Memo_Syousai") << "[Enter] is a line break here";
    typeText(QStringLiteral("二行目"));
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), "Edit_Mail");
    EXPECT_EQ(record(7).substr(211, 400), padded("一行目\r\n二行目", 400));

    // A memo that begins with a line break is stored as blanks, and shown as stored.
    enterField("Memo_Syousai");
    child<QPlainTextEdit>("Memo_Syousai")->moveCursor(QTextCursor::Start);
    key(Qt::Key_Return);
    enterField("Edit_Mail");
    EXPECT_EQ(record(7).substr(211, 400), std::string(400, ' '));
    EXPECT_EQ(text("Memo_Syousai"), QString());

    // 400 bytes, a line break counting two: the rest of what is typed is refused whole.
    enterField("Memo_Syousai");
    typeText(QString(198, QChar(0x3042)) + "\n" + QStringLiteral("いう"));
    EXPECT_EQ(text("Memo_Syousai"), QString(198, QChar(0x3042)) + "\n" + QStringLiteral("い"));
    typeText(QStringLiteral("x"));
    enterField("Edit_Mail");
    EXPECT_EQ(record(7).substr(211, 400), sj(QString(198, QChar(0x3042)).toUtf8().constData()) + "\r\n" + sj("い"));
}

TEST_F(DetailsArea, TheCityIsWrittenByEnterOnlyAndKanjiThereAreStoredAsTheCity) {
    chooseTeam(2);
    enterField("Edit_City");
    clearField();
    typeText(QStringLiteral("渋谷区"));
    enterField("Edit_Banti");
    EXPECT_EQ(folder_.read(files::kTeamRegister), register_) << "text left in the city with the mouse";

    enterField("Edit_City");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_Banti");
    EXPECT_EQ(folder_.read(files::kTeamRegister), registerWith(7, 71, padded("渋谷区", 20)));
}

TEST_F(DetailsArea, ADetailThatCannotBeStoredIsReportedAndTheFieldShowsWhatTheFileHolds) {
    struct ResetWrites {
        ~ResetWrites() { fileio::testing::reset(); }
    } resetAtEnd;
    chooseTeam(2);
    const std::string path = folder_.path(files::kTeamRegister);
    fileio::testing::failWritesWhen([path](const fileio::testing::WriteAttempt& a) { return a.path == path; });
    typeText(QStringLiteral("失敗"));
    key(Qt::Key_Return);
    QTimer* timer = form_->messages().saveErrorTimer();
    ASSERT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(form_->messages().messageText(),
              QStringLiteral("■Info.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(folder_.read(files::kTeamRegister), register_);
    EXPECT_EQ(focusName(), "Edit_Keitai");
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("旧代表") + QString(10, ' '));

    // Left with the mouse, and the memo: each shows what is stored, not what was lost.
    clearField();
    keys("080");
    enterField("Memo_Syousai");
    EXPECT_EQ(text("Edit_Keitai"), QStringLiteral("090-1111-2222"));
    typeText(QStringLiteral("消える"));
    enterField("Edit_Mail");
    EXPECT_EQ(text("Memo_Syousai"), QStringLiteral(" 字下げのメモ"));
    EXPECT_EQ(folder_.read(files::kTeamRegister), register_);

    // Once the file can be written, what is typed is stored.
    fileio::testing::reset();
    enterField("Edit_SyousaiDaihyouName");
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("旧代表"));
    key(Qt::Key_End);
    typeText(QStringLiteral("成功"));
    key(Qt::Key_Return);
    EXPECT_EQ(record(7).substr(0, 16), padded("旧代表成功", 16));
}

TEST_F(DetailsArea, AnEmptyRowsFieldsAreGreyedWithoutACursorAndATeamsAreOpen) {
    auto expectOpen = [this](bool open) {
        for (const char* shape :
             {"Shape_SyousaiDaihyouName", "Shape_Keitai", "Shape_Zip", "Shape_City", "Shape_Mail", "Shape_SyousaiMemo"})
            EXPECT_EQ(child<FramedShape>(shape)->fillColor(), open ? form_colors::kWhite : form_colors::kGridGrey)
                << shape;
        for (const char* field : {"Edit_SyousaiDaihyouName", "Edit_Zip", "Edit_Bill"}) {
            auto* e = child<QLineEdit>(field);
            EXPECT_EQ(e->isReadOnly(), !open) << field;  // a read-only box shows no cursor
            EXPECT_EQ(e->palette().color(QPalette::Text), open ? form_colors::kBlack : form_colors::kGray) << field;
        }
        auto* memo = child<QPlainTextEdit>("Memo_Syousai");
        EXPECT_EQ(memo->isReadOnly(), !open);
        EXPECT_EQ(bool(memo->textInteractionFlags() & Qt::TextEditable), open);
    };
    chooseTeam(5);
    expectOpen(false);
    chooseTeam(2);
    expectOpen(true);
    // A row given a name is open at once.
    click(child("Edit_TeamName_06"));
    expectOpen(false);
    typeText(QStringLiteral("新チーム"));
    key(Qt::Key_Return);
    expectOpen(true);
}

}  // namespace
