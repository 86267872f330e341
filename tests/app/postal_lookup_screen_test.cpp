// The postal-code lookups from the details area on the small fixture dictionary (61 records
// built by the builder; ｼﾝｼﾞｭｸ finds 45): by code and by reading, the result panel's keys,
// clicks and thumb, choosing and cancelling, and a dictionary that is not all there.

#include <QFrame>
#include <QTimer>
#include <filesystem>

#include "details_fixture.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/timed_messages.h"

namespace {

class PostalLookupScreen : public DetailsFixture {
protected:
    PostalLookupScreen() { withDictionary_ = true; }

    QString row(int k, const char* column = "Label_ZipCode_") const {
        return text(QStringLiteral("%1%2").arg(column).arg(k, 2, 10, QLatin1Char('0')));
    }
    bool panelShown() const { return child<QFrame>("Panel_ZipSearch")->isVisible(); }
    QColor rowFrame(int k) const {
        return child<FramedShape>(QStringLiteral("Shape_ZipSearch_%1").arg(k, 2, 10, QLatin1Char('0')))->penColor();
    }
    QRect thumb() const { return child<FramedShape>("Shape_ZipSearch_Disp")->geometry(); }
    // The codes of the 20 rows, blank rows included.
    QStringList page() const {
        QStringList codes;
        for (int k = 1; k <= 20; ++k) codes << row(k);
        return codes;
    }
    void lookUpReading(const QString& typed) {
        enterField("Edit_City");
        clearField();
        typeText(typed);
        key(Qt::Key_Return);
    }
};

TEST_F(PostalLookupScreen, AHyphenatedCodeFillsTheAddressAndIsStoredAsSevenDigitsAndABlank) {
    chooseTeam(1);
    enterField("Edit_Zip");
    keys("100-0001");
    key(Qt::Key_Return);
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(text("Edit_Zip"), "1000001 ");
    EXPECT_EQ(text("Label_Kenmei"), QStringLiteral("東京都  "));
    EXPECT_EQ(text("Edit_City").trimmed(), QStringLiteral("千代田区"));
    EXPECT_EQ(focusName(), "Edit_Banti");
    EXPECT_EQ(text("Edit_Banti"), QStringLiteral("千代田"));
    std::string expected = registerWith(1, 55, "1000001 " + padded("東京都", 8) + padded("千代田区", 20));
    EXPECT_EQ(folder_.read(files::kTeamRegister), expected) << "the street waits until it is confirmed";
    key(Qt::Key_Return);
    expected.replace(teamAt(1) + 91, 40, padded("千代田", 40));
    EXPECT_EQ(folder_.read(files::kTeamRegister), expected);

    // With a street already there, [Enter] moves on and the code is kept as typed.
    enterField("Edit_Zip");
    clearField();
    keys("260");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_Banti");
    expected.replace(teamAt(1) + 55, 8, "260     ");
    EXPECT_EQ(folder_.read(files::kTeamRegister), expected);
}

TEST_F(PostalLookupScreen, APrefixListsEveryCodeThatBeginsWithItAndASingleHitFillsAtOnce) {
    chooseTeam(3);
    enterField("Edit_Zip");
    keys("260");
    key(Qt::Key_Return);
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(text("Edit_Zip"), "2600021 ");
    EXPECT_EQ(text("Edit_Banti"), QStringLiteral("新宿"));
    EXPECT_EQ(record(2).substr(55, 36), "2600021 " + padded("千葉県", 8) + padded("千葉市中央区", 20));

    chooseTeam(4);
    enterField("Edit_Zip");
    keys("100");
    key(Qt::Key_Return);
    ASSERT_TRUE(panelShown());
    EXPECT_EQ(focusName(), "Edit_ZipChoose");
    EXPECT_EQ(recordedFocus(), "Edit_ZipChoose");
    EXPECT_EQ(text("Label_HelpMsg_01"), QStringLiteral("[↑][↓]で住所を選択して[Enter]キーを押します。"));
    EXPECT_EQ(page().mid(0, 11), (QStringList{"1000000", "1000001", "1000002", "1000003", "1000004", "1000005",
                                              "1000005", "1006890", "1008111", "1008799", ""}));
    EXPECT_TRUE(row(10, "Label_Kaisyamei_").startsWith(QStringLiteral("全国の郵便局の事業所の名前")));
    // Business codes come last, each marked inside the visible panel.
    EXPECT_EQ(row(9, "Label_Address3_"), QStringLiteral("〔事業所〕宮内庁"));
    EXPECT_TRUE(row(10, "Label_Address3_").startsWith(QStringLiteral("〔事業所〕全国の郵便局")));
    EXPECT_FALSE(row(8, "Label_Address3_").startsWith(QStringLiteral("〔")));
    EXPECT_EQ(thumb().height(), 353);
    EXPECT_EQ(record(3).substr(55, 8), "100     ") << "the code field was left for the panel";

    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(rowFrame(3), form_colors::kRed);
    EXPECT_EQ(rowFrame(1), form_colors::kSilver);
    key(Qt::Key_PageDown);
    EXPECT_EQ(rowFrame(10), form_colors::kRed) << "one page only: PageDown goes to its last result";
    for (int i = 0; i < 7; ++i) key(Qt::Key_Up);
    EXPECT_EQ(rowFrame(3), form_colors::kRed);
    key(Qt::Key_Return);
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_Banti");
    EXPECT_EQ(text("Edit_Banti"), QStringLiteral("皇居外苑"));
    EXPECT_EQ(record(3).substr(55, 36), "1000002 " + padded("東京都", 8) + padded("千代田区", 20));
    EXPECT_EQ(rowFrame(3), form_colors::kSilver);

    // Nothing found: code, prefecture and city are blanked and the reading lookup is offered.
    enterField("Edit_Banti");
    clearField();
    enterField("Edit_Zip");
    clearField();
    keys("5555555");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_City");
    EXPECT_EQ(text("Label_Kenmei").trimmed(), QString());
    EXPECT_EQ(record(3).substr(55, 8), std::string(8, ' '));
}

TEST_F(PostalLookupScreen, AReadingFoundOnceStillOpensThePanelWithOneRow) {
    chooseTeam(1);
    lookUpReading(QStringLiteral("ｶﾌﾞｷ"));
    ASSERT_TRUE(panelShown());
    EXPECT_EQ(page(), QStringList{"1600017"} + QStringList(19, QString()));
    EXPECT_EQ(row(1, "Label_Address3_"), QStringLiteral("歌舞伎町"));
    EXPECT_EQ(text("Label_Ritu"), "98") << "the progress panel counted the scan";
    EXPECT_FALSE(child<QFrame>("Panel_Syoricyuu")->isVisible());
    EXPECT_EQ(record(1).substr(71, 20), padded("ｶﾌﾞｷ", 20)) << "the reading is the city until a row is chosen";

    click(child("Label_Address2_02"));
    EXPECT_TRUE(panelShown()) << "rows past the end cannot be chosen";
    click(child("Label_Address2_01"));
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(focusName(), "Edit_Banti");
    EXPECT_EQ(record(1).substr(55, 36), "1600017 " + padded("東京都", 8) + padded("新宿区", 20));
}

TEST_F(PostalLookupScreen, FortyFiveResultsPageAsTheKeysSay) {
    chooseTeam(1);
    lookUpReading(QStringLiteral("ｼﾝｼﾞｭｸ"));
    ASSERT_TRUE(panelShown());
    // Result i is record 13 + i: codes 1600001 … 1600044, then 2600021.
    auto code = [](int i) {
        return i == 45 ? QStringLiteral("2600021") : QStringLiteral("16000%1").arg(i, 2, 10, QLatin1Char('0'));
    };
    EXPECT_EQ(row(1), code(1));
    EXPECT_EQ(thumb().height(), 20 * 353 / 45);
    EXPECT_EQ(thumb().top(), 50);

    key(Qt::Key_PageDown);
    EXPECT_EQ(row(1), code(21));
    EXPECT_EQ(row(20), code(40));
    EXPECT_EQ(rowFrame(20), form_colors::kRed);
    EXPECT_EQ(thumb().top(), 20 * 353 / 45 + 50);
    key(Qt::Key_PageDown);
    EXPECT_EQ(row(1), code(26));
    EXPECT_EQ(row(20), code(45));
    EXPECT_EQ(rowFrame(20), form_colors::kRed);
    key(Qt::Key_Down);
    EXPECT_EQ(row(1), code(26)) << "the last result";
    key(Qt::Key_PageUp);
    EXPECT_EQ(row(1), code(6));
    EXPECT_EQ(rowFrame(1), form_colors::kRed);
    key(Qt::Key_PageUp);
    EXPECT_EQ(row(1), code(1));
    key(Qt::Key_Up);
    EXPECT_EQ(row(1), code(1));
    for (int i = 0; i < 20; ++i) key(Qt::Key_Down);
    EXPECT_EQ(row(1), code(2)) << "↓ on the last row scrolls by one";
    EXPECT_EQ(rowFrame(20), form_colors::kRed);
    key(Qt::Key_Return);
    EXPECT_EQ(record(1).substr(55, 8), "1600021 ");
}

TEST_F(PostalLookupScreen, EscLeavesTheCityEmptyOnScreenWhileTheRecordHoldsTheReading) {
    chooseTeam(1);
    lookUpReading(QStringLiteral("ｼﾝｼﾞｭｸ"));
    ASSERT_TRUE(panelShown());
    key(Qt::Key_Escape);
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_Zip");
    EXPECT_EQ(text("Edit_City"), QString());
    EXPECT_EQ(folder_.read(files::kTeamRegister), registerWith(1, 71, padded("ｼﾝｼﾞｭｸ", 20)));

    // Closing the window with the panel open cancels it the same way.
    lookUpReading(QStringLiteral("ｼﾝｼﾞｭｸ"));
    ASSERT_TRUE(panelShown());
    closeForm();
    EXPECT_EQ(folder_.read(files::kTeamRegister), registerWith(1, 71, padded("ｼﾝｼﾞｭｸ", 20)));
}

TEST_F(PostalLookupScreen, HiraganaTypedInTheCityFindsWhatHalfWidthKatakanaFinds) {
    chooseTeam(1);
    lookUpReading(QStringLiteral("ｼﾝｼﾞｭｸ"));
    const QStringList halfWidth = page();
    const QRect thumbOfHalfWidth = thumb();
    key(Qt::Key_Escape);
    lookUpReading(QStringLiteral("しんじゅく"));
    ASSERT_TRUE(panelShown());
    EXPECT_EQ(page(), halfWidth);
    EXPECT_EQ(thumb(), thumbOfHalfWidth);
    EXPECT_EQ(record(1).substr(71, 20), padded("ｼﾝｼﾞｭｸ", 20));

    // A reading that is nowhere: the focus stays, the text as typed, and the city is stored.
    key(Qt::Key_Escape);
    lookUpReading(QStringLiteral("ﾝﾝﾝ"));
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(focusName(), "Edit_City");
    EXPECT_EQ(text("Edit_City"), QStringLiteral("ﾝﾝﾝ"));
    EXPECT_EQ(record(1).substr(71, 20), padded("ﾝﾝﾝ", 20));
}

TEST_F(PostalLookupScreen, NothingFoundIsSaidInATimedMessage) {
    QTimer* message = form_->messages().saveErrorTimer();
    chooseTeam(1);
    enterField("Edit_Zip");
    keys("5555555");
    key(Qt::Key_Return);
    ASSERT_TRUE(message->isActive());
    QMetaObject::invokeMethod(message, "timeout");
    EXPECT_EQ(form_->messages().messageText(), QStringLiteral("■該当する郵便番号がありません■"));
    EXPECT_EQ(focusName(), "Edit_City") << "the reading lookup is offered as before";
    QMetaObject::invokeMethod(message, "timeout");
    EXPECT_FALSE(message->isActive());

    lookUpReading(QStringLiteral("ﾝﾝﾝ"));
    ASSERT_TRUE(message->isActive());
    QMetaObject::invokeMethod(message, "timeout");
    EXPECT_EQ(form_->messages().messageText(), QStringLiteral("■該当する郵便番号がありません■"));
    EXPECT_EQ(focusName(), "Edit_City");
    QMetaObject::invokeMethod(message, "timeout");

    // An empty code only moves on, as it always did.
    enterField("Edit_Zip");
    clearField();
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_City");
    EXPECT_FALSE(message->isActive());
}

TEST_F(PostalLookupScreen, PageDownOnASinglePageOfTwentyHighlightsRowTwenty) {
    chooseTeam(1);
    lookUpReading(QStringLiteral("ｶﾞ"));
    ASSERT_TRUE(panelShown());
    ASSERT_FALSE(row(20).isEmpty());
    ASSERT_EQ(rowFrame(1), form_colors::kRed);
    key(Qt::Key_PageDown);
    EXPECT_EQ(rowFrame(20), form_colors::kRed);
    EXPECT_EQ(rowFrame(1), form_colors::kSilver);
    const QString last = row(20);
    key(Qt::Key_Return);
    EXPECT_EQ(record(1).substr(55, 7), last.toStdString());
}

class IncompleteDictionary : public PostalLookupScreen {
protected:
    void prepareFiles() override {
        PostalLookupScreen::prepareFiles();
        std::filesystem::remove(folder_.path("Zip/ZipNo.txt"));
    }
};

TEST_F(IncompleteDictionary, WithoutTheRecordsTheCodeIsStoredAsTypedAndTheFocusStays) {
    chooseTeam(1);
    enterField("Edit_Zip");
    keys("100-0001");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_Zip");
    EXPECT_EQ(record(1).substr(55, 8), "100-0001");
    // Corrected after [Enter], the code is written again when the field is left.
    key(Qt::Key_Backspace);
    keys("2");
    enterField("Edit_Banti");
    EXPECT_EQ(record(1).substr(55, 8), "100-0002");

    lookUpReading(QStringLiteral("ｼﾝｼﾞｭｸ"));
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(focusName(), "Edit_City");
    EXPECT_EQ(record(1).substr(71, 20), padded("ｼﾝｼﾞｭｸ", 20));
}

}  // namespace
