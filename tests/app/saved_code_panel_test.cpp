// The saved postal codes beside the postal-code field: shown while it has the focus, paged
// with "▲" and "▼", a click on a row handing its code to the field.

#include <QFrame>

#include "details_fixture.h"
#include "form/click_label.h"
#include "form/form_colors.h"

namespace {

class SavedCodes : public DetailsFixture {
protected:
    // 31 saved codes, 1000000 … 1000030, each with the address "住所n".
    void prepareFiles() override {
        DetailsFixture::prepareFiles();
        register_.replace(teamAt(7) + 55, 8, std::string(8, ' '));  // no team adds a code of its own
        folder_.write(files::kTeamRegister, register_);
        std::string list;
        for (int i = 0; i < 31; ++i)
            list += padded(std::to_string(1000000 + i).c_str(), 8) + padded(("住所" + std::to_string(i)).c_str(), 30) +
                    " \n";
        folder_.write(files::kSavedPostalCodes, list);
    }
    bool panelShown() const { return child<QFrame>("Panel_MyZip")->isVisible(); }
    QString code(int r) const { return text(QStringLiteral("Label_MyZip_%1").arg(r, 2, 10, QLatin1Char('0'))); }
    QString pageShown() const { return text("Label_Panel_MyZipNowPage") + "/" + text("Label_Panel_MyZipMaxPage"); }
};

TEST_F(SavedCodes, ThirtyOneCodesMakeThreePagesAndTheArrowsStopAtTheEnds) {
    chooseTeam(1);
    EXPECT_FALSE(panelShown());
    enterField("Edit_Zip");
    ASSERT_TRUE(panelShown());
    EXPECT_EQ(pageShown(), "1/3");
    EXPECT_EQ(code(1), "1000000 ");
    EXPECT_EQ(text("Label_MyZipAdr_15"), QStringLiteral("住所14") + QString(24, ' '));

    auto* down = child<ClickLabel>("Label_Panel_MyZipDown");
    click(down);
    click(down);
    EXPECT_EQ(pageShown(), "3/3");
    EXPECT_EQ(code(1), "1000030 ");
    EXPECT_EQ(code(2), QString(8, ' '));
    click(down);
    EXPECT_EQ(pageShown(), "3/3");
    EXPECT_EQ(code(1), "1000030 ");
    click(child("Label_Panel_MyZipUp"));
    EXPECT_EQ(pageShown(), "2/3");
    EXPECT_EQ(focusName(), "Edit_Zip") << "the arrows do not take the focus";

    // Red while held, teal again when let go.
    QTest::mousePress(down, Qt::LeftButton, Qt::NoModifier, down->rect().center());
    EXPECT_EQ(down->palette().color(QPalette::WindowText), form_colors::kRed);
    QTest::mouseRelease(down, Qt::LeftButton, Qt::NoModifier, down->rect().center());
    EXPECT_EQ(down->palette().color(QPalette::WindowText), QColor(0, 128, 128));

    // Leaving the field hides the list; it opens again on the first page.
    enterField("Edit_City");
    EXPECT_FALSE(panelShown());
    enterField("Edit_Zip");
    EXPECT_EQ(pageShown(), "1/3");
}

TEST_F(SavedCodes, AClickedRowGivesItsCodeToTheFieldAndAnEmptyRowOnlyClosesTheList) {
    chooseTeam(1);
    enterField("Edit_Zip");
    click(child("Label_Panel_MyZipDown"));
    click(child("Label_Panel_MyZipDown"));
    click(child("Label_MyZipAdr_05"));
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(text("Edit_Zip"), QString());

    enterField("Edit_City");
    enterField("Edit_Zip");
    click(child("Label_MyZipAdr_03"));
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(focusName(), "Edit_Zip");
    EXPECT_EQ(text("Edit_Zip"), "1000002");
    EXPECT_EQ(record(1).substr(55, 8), std::string(8, ' ')) << "written when the field is left";
    enterField("Edit_City");
    EXPECT_EQ(record(1).substr(55, 8), "1000002 ");
}

class SharedCode : public DetailsFixture {
protected:
    // Three teams with one code and no list yet: the start-up adds the code once.
    void prepareFiles() override {
        DetailsFixture::prepareFiles();
        std::string reg = register_;
        const char* streets[] = {"一丁目", "二丁目", "三丁目"};
        for (int i = 0; i < 3; ++i) {
            reg.replace(teamAt(i + 1) + 55, 8, "1600018 ");
            reg.replace(teamAt(i + 1) + 71, 20, padded("新宿区", 20));
            reg.replace(teamAt(i + 1) + 91, 40, padded(streets[i], 40));
        }
        reg.replace(teamAt(7) + 55, 8, std::string(8, ' '));
        folder_.write(files::kTeamRegister, reg);
    }
};

TEST_F(SharedCode, ThreeTeamsWithOneCodeGiveOneEntry) {
    chooseTeam(4);
    enterField("Edit_Zip");
    ASSERT_TRUE(child<QFrame>("Panel_MyZip")->isVisible());
    EXPECT_EQ(text("Label_Panel_MyZipMaxPage"), "1");
    EXPECT_EQ(text("Label_MyZip_01"), "1600018 ");
    EXPECT_EQ(text("Label_MyZipAdr_01").trimmed(), QStringLiteral("新宿区一丁目"));
    EXPECT_EQ(text("Label_MyZip_02"), QString(8, ' '));
}

TEST_F(DetailsFixture, WithNoSavedCodeTheListDoesNotShow) {
    folder_.write(files::kSavedPostalCodes, "");
    chooseTeam(1);
    enterField("Edit_Zip");
    EXPECT_FALSE(child<QFrame>("Panel_MyZip")->isVisible());
}

}  // namespace
