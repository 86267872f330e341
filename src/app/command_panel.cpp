#include "app/command_panel.h"

#include <QFrame>
#include <QWidget>

#include "app/import_panel.h"
#include "app/restore_panel.h"
#include "form/click_label.h"
#include "form/focus_codes.h"
#include "form/fonts.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/framed_shape.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/timed_messages.h"
#include "standings/term_deletion.h"
#include "store/calendar.h"
#include "store/results_file.h"

using namespace form_colors;

namespace {

constexpr int kDeleteRow = 3;
constexpr int kPdfRow = 4;
constexpr int kCsvRow = 5;
constexpr int kWebPageRow = 6;
constexpr int kRestoreRow = 7;
constexpr int kImportRow = 9;
constexpr int kRowTop = 12;
constexpr int kRowPitch = 30;
constexpr int kRowHeight = 26;
constexpr int kRowLeft = 10;
constexpr int kRowWidth = 276;

// clang-format off
const char* const kCaptions[CommandPanel::kRows] = {
    "F1 勝敗表印刷",
    "F2 次節ｸﾞﾙｰﾌﾟ所属ﾁｰﾑ更新",
    "F3 チーム一覧印刷",
    "F4 平成**年 前期 成績削除",
    "F5 PDFで保存",
    "F6 CSV出力",
    "F7 Webページ保存",
    "F8 バックアップから戻す",
    "F9 コマンドパネルを閉じる",
    "F10 CSV取込",
};
// clang-format on

// The row a function key chooses: F1 the first, F10 the last.
int rowOfKey(int key) {
    const int row = key - Qt::Key_F1;
    return row >= 0 && row < CommandPanel::kRows ? row : -1;
}

}  // namespace

CommandPanel::CommandPanel(QWidget* form, FormServices& services)
    : QObject(form),
      ScreenArea(services),
      panel_(makeOverlayPanel(
          form, "Panel_Command",
          QRect(form_layout::kCommandPanel,
                QSize(kRowLeft * 2 + kRowWidth, kRowTop * 2 + kRowPitch * (kRows - 1) + kRowHeight)))) {
    QFont f(fonts::kGothic);
    f.setPixelSize(15);
    for (int row = 0; row < kRows; ++row) {
        const QRect frame(kRowLeft, kRowTop + kRowPitch * row, kRowWidth, kRowHeight);
        shapes_[row] = new FramedShape(panel_, controlName("Shape_CommandName_", row + 1), frame, kSilver, kWhite);
        captions_[row] = new ClickLabel(panel_, controlName("Label_CommandName_", row + 1),
                                        QString::fromUtf8(kCaptions[row]), frame.adjusted(8, 2, -2, -2));
        captions_[row]->setFont(f);
        captions_[row]->setTextColor(kGray);
        connect(captions_[row], &ClickLabel::clicked, this, [this, row] { Label_CommandNameClick(row); });
    }

    keyBox_ = new HiddenKeyBox(panel_, "Edit_CommandChoose");
    connect(keyBox_, &FieldEdit::entered, this, &CommandPanel::Edit_CommandChooseEnter);
    keyBox_->handKeysTo(this, &CommandPanel::Edit_CommandChooseKeyDown);
    s_.focus.add(focus::CommandKey, keyBox_);

    restore_ = new RestorePanel(form, services);
    connect(restore_, &RestorePanel::closed, this, [this] {
        st_.focusCode = focus::CommandKey;
        s_.focus.restoreFocus();
    });
    connect(restore_, &RestorePanel::restored, this, &CommandPanel::showRestored);
    import_ = new ImportPanel(form, services);
    // Teams came in from a file: the panel closes as after a report, back to the field it came from.
    connect(import_, &ImportPanel::imported, this, &CommandPanel::closeIfOpen);
    connect(&s_.commands, &FormCommands::toggleCommandPanel, this, &CommandPanel::toggleCommandPanel);
    connect(&doc_, &LeagueDocument::leagueReloaded, this, &CommandPanel::showDeleteCaption);
}

// The league was read afresh from a restored copy: every screen shows it from the newest term,
// group 1, and the panel closes as after a start.
void CommandPanel::showRestored(const QString& copy) {
    closeIfOpen();
    st_.focusCode = focus::Year;
    s_.focus.restoreFocus();
    s_.messages.showMessage(QStringLiteral("■%1 の状態に戻しました■").arg(copy));
}

bool CommandPanel::isOpen() const {
    return panel_->isVisible();
}

void CommandPanel::toggleCommandPanel() {
    if (panel_->isVisible()) {
        st_.focusCode = st_.commandReturnFocus;
        st_.panelOpen = 0;
        // Take the focus out before hiding, or Qt would hand it to some other field.
        if (keyBox_->hasFocus()) keyBox_->clearFocus();
        panel_->hide();
        s_.focus.restoreFocus();
        return;
    }
    st_.commandReturnFocus = st_.focusCode;
    showDeleteCaption();
    raisePanel(panel_);
    st_.panelOpen = 1;
    st_.selectedCommand = kCloseRow;
    highlightCommand();
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void CommandPanel::highlightCommand() {
    for (int row = 0; row < kRows; ++row) {
        const bool on = row == st_.selectedCommand;
        shapes_[row]->setPenColor(on ? kRed : kSilver);
        captions_[row]->setTextColor(on ? kBlack : kGray);
    }
}

void CommandPanel::Edit_CommandChooseEnter() {
    s_.help.setManualHint();
    st_.focusCode = focus::CommandKey;
    s_.help.setHelp(
        QStringLiteral("↑↓キーでコマンドを選択し[Enter]キーを押してください．[F1]-[F10]キーでも選択できます．"),
        QStringLiteral("[ESC]キーでコマンドを選択せずコマンドパネルを閉じます．"));
}

void CommandPanel::Edit_CommandChooseKeyDown(int key) {
    int& selected = st_.selectedCommand;
    switch (key) {
        case Qt::Key_Escape:
            toggleCommandPanel();
            return;
        case Qt::Key_Up:
            selected = selected <= 0 ? kRows - 1 : selected - 1;
            highlightCommand();
            return;
        case Qt::Key_Down:
            selected = selected >= kRows - 1 ? 0 : selected + 1;
            highlightCommand();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            runCommand(selected);
            return;
        default:
            break;
    }
    const int row = rowOfKey(key);
    if (row < 0) return;
    selected = row;
    highlightCommand();
    runCommand(row);
}

void CommandPanel::Label_CommandNameClick(int row) {
    if (st_.sidePanelOpen && row != kDeleteRow) return;
    st_.selectedCommand = row;
    highlightCommand();
    runCommand(row);
}

void CommandPanel::runCommand(int row) {
    const bool haveTeams = m_.termTeamCount > 0;
    // A report closes the panel before it starts, so that the field the panel came from has
    // the focus again when the report's message takes it over.
    switch (row) {
        case 0:
            closeIfOpen();
            emit s_.commands.printStandings();
            return;
        case 1:
            if (haveTeams) emit s_.commands.openChangeOver(true);
            return;
        case 2:
            if (!haveTeams) return;
            closeIfOpen();
            emit s_.commands.printTeamList();
            return;
        case kDeleteRow:
            deleteNewestTerm();
            return;
        case kPdfRow:
            closeIfOpen();
            emit s_.commands.savePdfs();
            return;
        case kCsvRow:
            closeIfOpen();
            emit s_.commands.exportCsv();
            return;
        case kWebPageRow:
            closeIfOpen();
            emit s_.commands.saveWebPage();
            return;
        case kRestoreRow:
            restore_->open();
            return;
        case kImportRow:
            import_->chooseFile();
            return;
        case kCloseRow:
            toggleCommandPanel();
            return;
        default:
            return;
    }
}

void CommandPanel::deleteNewestTerm() {
    const TermDeletion d = doc_.deleteNewestTerm();
    switch (d.outcome) {
        case TermDeletionOutcome::NotOffered:
            return;
        case TermDeletionOutcome::AlreadyDone:
            s_.messages.showNotDeleteMessage();
            return;
        case TermDeletionOutcome::BackupFailed:
            s_.messages.showMessage(QStringLiteral("■バックアップを作成できないため削除しませんでした■"));
            return;
        case TermDeletionOutcome::SnapshotDamaged:
            s_.messages.showMessage(QStringLiteral("■%1 が壊れているため削除できません■")
                                        .arg(QString::fromStdString(d.saved.failedFileName())));
            return;
        case TermDeletionOutcome::NotSaved:
            return;
        case TermDeletionOutcome::Deleted:
            closeIfOpen();
            return;
    }
}

void CommandPanel::closeIfOpen() {
    if (panel_->isVisible()) toggleCommandPanel();
}

void CommandPanel::showDeleteCaption() {
    const TermHeader h = readTermHeader(s_.dir);
    QString caption = QStringLiteral("F4") + QString(23, QLatin1Char(' '));
    if (m_.deleteAvailable) {
        caption = QStringLiteral("F4 平成%1年 %2期 成績削除")
                      .arg(QString::fromLatin1(h.key(0).substr(0, 2).data(), 2))
                      .arg(h.half(0) == 1 ? QStringLiteral("後") : QStringLiteral("前"));
    }
    captions_[kDeleteRow]->setText(caption);
}
