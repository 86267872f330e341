#include "app/restore_panel.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

#include "form/click_label.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/framed_shape.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/pager_keys.h"
#include "form/selection_frame.h"
#include "form/yes_no_panel.h"
#include "league/ui/key_button.h"
#include "session/backup_restore.h"
#include "store/calendar.h"

using namespace form_colors;

// The frame of a row: white, framed red when selected.
class BackupRowFrame : public Selectable<FramedShape> {
public:
    using Selectable::Selectable;
};

namespace {

// Wide enough to lie over the whole command panel, which stays open beneath.
const QRect kPanel(form_layout::kCommandPanel, QSize(560, 430));
constexpr int kRowsTop = 82, kRowPitch = 28, kRowHeight = 26, kRowLeft = 20, kRowWidth = 500;
constexpr int kButtonsTop = kRowsTop + RestorePanel::kRows * kRowPitch + 12;
struct Column {
    const char* name;
    const char* heading;
    int x, width;
};
const Column kColumns[3] = {{"Label_BackupDate_", "日付", 12, 110},
                            {"Label_BackupTime_", "時刻", 130, 90},
                            {"Label_BackupKind_", "操作", 230, 260}};

QString dateText(const LocalDateTime& t) {
    return QStringLiteral("%1/%2/%3")
        .arg(t.year, 4, 10, QLatin1Char('0'))
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.day, 2, 10, QLatin1Char('0'));
}

QString timeText(const LocalDateTime& t) {
    return QStringLiteral("%1:%2:%3")
        .arg(t.hour, 2, 10, QLatin1Char('0'))
        .arg(t.minute, 2, 10, QLatin1Char('0'))
        .arg(t.second, 2, 10, QLatin1Char('0'));
}

QString operationText(const BackupEntry& e) {
    if (!e.whole) return QStringLiteral("ファイルが欠けています（戻せません）");
    if (!e.operation) return QStringLiteral("（操作の記録なし）");
    return QString::fromUtf8(backupOperationName(*e.operation));
}

// "2026/12/08 10:00:00（節の更新）"
QString copyText(const BackupEntry& e) {
    return dateText(e.name.made) + QLatin1Char(' ') + timeText(e.name.made) + QStringLiteral("（") + operationText(e) +
           QStringLiteral("）");
}

}  // namespace

RestorePanel::RestorePanel(QWidget* form, FormServices& services)
    : QObject(form), ScreenArea(services), panel_(makeOverlayPanel(form, "Panel_Backup", kPanel)) {
    QFrame* p = panel_;
    makeLabel(p, QStringLiteral("バックアップから戻す"), QRect(16, 10, 300, 24),
              LabelStyle{18, Qt::AlignLeft | Qt::AlignVCenter, QColor(), QColor(), true});
    count_ = makeLabel(p, QString(), QRect(kPanel.width() - 150, 12, 130, 22),
                       LabelStyle{14, Qt::AlignRight | Qt::AlignVCenter}, "Label_BackupDs");
    makeLabel(p, QStringLiteral("戻す時点を選んでください。いまのデータも先にバックアップされます。"),
              QRect(16, 38, kPanel.width() - 32, 18), LabelStyle{13});
    for (const Column& c : kColumns)
        makeLabel(p, QString::fromUtf8(c.heading), QRect(kRowLeft + c.x, kRowsTop - 22, c.width, 18),
                  LabelStyle{13, Qt::AlignLeft | Qt::AlignVCenter, kGray});
    for (int i = 0; i < 2; ++i)
        more_[i] = makeLabel(p, QString(),
                             QRect(kRowLeft + kRowWidth + 4, kRowsTop + i * (kRows - 1) * kRowPitch, 20, kRowHeight),
                             LabelStyle{12, Qt::AlignCenter, kGray}, i == 0 ? "Label_BackupUp" : "Label_BackupDown");
    buildRows();

    restoreButton_ = new KeyButton(p, "Label_Backup_F1", QStringLiteral("F1"), "Label_Backup_F1_Msg",
                                   QStringLiteral("戻す"), QRect(110, kButtonsTop, 140, 30));
    closeButton_ = new KeyButton(p, "Label_Backup_F9", QStringLiteral("F9"), "Label_Backup_F9_Msg",
                                 QStringLiteral("閉じる"), QRect(310, kButtonsTop, 140, 30));
    for (KeyButton* b : {restoreButton_, closeButton_}) b->setPressed(false);
    connect(restoreButton_, &KeyButton::clicked, this, &RestorePanel::Label_Backup_F1Click);
    connect(closeButton_, &KeyButton::clicked, this, &RestorePanel::Label_Backup_F9Click);

    keyBox_ = new HiddenKeyBox(p, "Edit_BackupChoose");
    s_.focus.add(focus::RestoreKey, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, &RestorePanel::Edit_BackupChooseEnter);
    keyBox_->handKeysTo(this, &RestorePanel::Edit_BackupChooseKeyDown);

    confirm_ = new YesNoPanel(form, "BackupKakunin", QRect(kPanel.x() + 40, kPanel.y() + 120, 480, 190), s_,
                              focus::RestoreConfirmKey);
    connect(confirm_, &YesNoPanel::answered, this, &RestorePanel::answer);
}

void RestorePanel::buildRows() {
    for (int i = 0; i < kRows; ++i) {
        const QRect r(kRowLeft, kRowsTop + kRowPitch * i, kRowWidth, kRowHeight);
        frames_[i] = new BackupRowFrame(panel_, controlName("Shape_BackupName_", i + 1), r, kSilver, kWhite);
        for (int c = 0; c < 3; ++c) {
            const Column& col = kColumns[c];
            auto* cell = new ClickLabel(panel_, controlName(QString::fromUtf8(col.name), i + 1), QString(),
                                        QRect(r.x() + col.x, r.y() + 2, col.width, r.height() - 4));
            QFont f = cell->font();
            f.setPixelSize(14);
            cell->setFont(f);
            connect(cell, &ClickLabel::clicked, this, [this, i] { Label_BackupNameClick(i); });
            cells_[i][c] = cell;
        }
    }
}

bool RestorePanel::isOpen() const {
    return panel_->isVisible();
}

void RestorePanel::open() {
    if (isOpen()) return;
    copies_ = listBackups(s_.dir);
    pager_ = ListPager(kRows, long(copies_.size()));
    showRows();
    raisePanel(panel_);
    st_.focusCode = focus::RestoreKey;
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void RestorePanel::showRows() {
    const int n = int(copies_.size());
    count_->setText(QStringLiteral("%1 件").arg(n));
    for (int i = 0; i < kRows; ++i) {
        const bool shown = pager_.rowHasEntry(i);
        const BackupEntry* e = shown ? &copies_[std::size_t(pager_.top() + i)] : nullptr;
        cells_[i][0]->setText(e ? dateText(e->name.made) : QString());
        cells_[i][1]->setText(e ? timeText(e->name.made) : QString());
        cells_[i][2]->setText(e ? operationText(*e) : QString());
        cells_[i][2]->setTextColor(e && !e->whole ? kGray : kBlack);
        frames_[i]->setSelected(shown && i == pager_.row());
    }
    if (n == 0) cells_[0][2]->setText(QStringLiteral("バックアップはまだありません"));
    more_[0]->setText(pager_.atFirst() ? QString() : QStringLiteral("▲"));
    more_[1]->setText(pager_.atLast() ? QString() : QStringLiteral("▼"));
}

const BackupEntry* RestorePanel::selected() const {
    return pager_.rowHasEntry(pager_.row()) ? &copies_[std::size_t(pager_.chosenIndex())] : nullptr;
}

void RestorePanel::Edit_BackupChooseEnter() {
    st_.focusCode = focus::RestoreKey;
    s_.help.setManualHint();
    s_.help.setHelp(QStringLiteral("↑↓キーで戻す時点を選び[Enter]キーまたは[F1]キーを押してください．"),
                    QStringLiteral("[F9]キーまたは[ESC]キーで戻さずに閉じます．"));
}

void RestorePanel::Edit_BackupChooseKeyDown(int key) {
    if (pageByKey(pager_, key).handled) return showRows();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F1:
            return Label_Backup_F1Click();
        case Qt::Key_Escape:
        case Qt::Key_F9:
            return Label_Backup_F9Click();
        default:
            return;
    }
}

void RestorePanel::Label_BackupNameClick(int row) {
    if (!isOpen() || confirm_->isOpen() || !pager_.click(row)) return;
    showRows();
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void RestorePanel::Label_Backup_F1Click() {
    const BackupEntry* e = selected();
    if (!isOpen() || confirm_->isOpen() || !e) return;
    if (!e->whole) {
        s_.messages.showMessage(QStringLiteral("■このバックアップはファイルが欠けているため戻せません■"));
        return;
    }
    confirm_->ask(QStringLiteral("%1 の状態に戻しますか？\n\nいまのデータは「復元」としてバックアップされ、"
                                 "この一覧から戻せば元に戻ります。")
                      .arg(copyText(*e)));
}

void RestorePanel::Label_Backup_F9Click() {
    if (!isOpen() || confirm_->isOpen()) return;
    close();
    emit closed();
}

void RestorePanel::answer(bool yes) {
    const BackupEntry* e = selected();
    if (!yes || !e) {
        st_.focusCode = focus::RestoreKey;
        s_.focus.restoreFocus();
        return;
    }
    const QString text = copyText(*e);
    const RestoreRun run = doc_.restore(e->folder);
    switch (run.outcome) {
        case RestoreOutcome::Restored:
            close();
            emit restored(text);
            return;
        case RestoreOutcome::NoSuchCopy:
        case RestoreOutcome::NotWhole:
            s_.messages.showMessage(QStringLiteral("■このバックアップは見つからないか、欠けているため戻せません■"));
            break;
        case RestoreOutcome::BackupFailed:
            s_.messages.showMessage(QStringLiteral("■いまのデータをバックアップできないため戻しませんでした■"));
            break;
        case RestoreOutcome::NotSaved:
            break;
    }
    // Nothing changed: the list as it is now, the focus back in it.
    copies_ = listBackups(s_.dir);
    pager_.setCount(long(copies_.size()));
    showRows();
    st_.focusCode = focus::RestoreKey;
    s_.focus.restoreFocus();
}

void RestorePanel::close() {
    if (keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
}
