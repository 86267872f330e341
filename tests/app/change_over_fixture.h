#pragma once
// The change-over screen as its tests reach it: the cells of both grids by column and row,
// a move by "変更する", and the screen opened from the command panel. The league is laid by
// each test's prepareFiles.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "store/sjis.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"

class ChangeOverFixture : public FormTest {
protected:
    // The name of the laid league's team n as the screen shows it.
    static QString teamName(int n) { return QString::fromStdString(sjis::toUnicode(leagueTeamName(n))).trimmed(); }

    QFrame* screen() const { return child<QFrame>("Panel_Kousin"); }
    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    void clickNamed(const QString& name) {
        QWidget* w = child(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        click(w);
    }
    // Column 5 of either grid is the suspended one (休止中 above, 休止予定 below).
    QString draftCell(int column, int row) const {
        return text(QString::asprintf("Label_PreTeamName_%d_%02d", column, row));
    }
    QString revisedCell(int column, int row) const {
        return text(QString::asprintf("Label_NextTeamName_%d_%02d", column, row));
    }
    // "変更する" from a draft cell to a revised cell.
    void move(int fromColumn, int fromRow, int toColumn, int toRow) {
        clickNamed(QString::asprintf("Label_PreTeamName_%d_%02d", fromColumn, fromRow));
        clickNamed(QString::asprintf("Label_NextTeamName_%d_%02d", toColumn, toRow));
        clickNamed("Label_KousinExec");
    }
    void openFromCommandPanel() {
        key(Qt::Key_Escape);
        key(Qt::Key_F2);
        ASSERT_TRUE(screen()->isVisible());
        ASSERT_EQ(focusName(), "Edit_KousinCommandChoose");
    }
};
