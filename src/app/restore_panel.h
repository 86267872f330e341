#pragma once
// Panel_Backup: the copies of Data/ in Backup/, newest first, ten rows at a time, each with
// the date and time it was made and the operation that made it. A copy chosen with ↑↓ and
// [Enter] or F1 is restored after a はい/いいえ question; the Data/ left behind is copied first,
// so that the restore can be undone from the same list. Opened from the command panel (F8),
// which stays open beneath it.

#include <QObject>
#include <array>
#include <vector>

#include "form/screen_area.h"
#include "store/backup_listing.h"
#include "store/list_pager.h"

class QLabel;
class QWidget;
class ClickLabel;
class HiddenKeyBox;
class KeyButton;
class YesNoPanel;
class BackupRowFrame;

class RestorePanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    static constexpr int kRows = 10;

    RestorePanel(QWidget* form, FormServices& services);

    void open();
    bool isOpen() const;

    void Edit_BackupChooseEnter();
    void Edit_BackupChooseKeyDown(int key);
    void Label_BackupNameClick(int row);
    void Label_Backup_F1Click();
    void Label_Backup_F9Click();

signals:
    // Data/ is the chosen copy's and the league has been read afresh from it; text tells which.
    void restored(const QString& text);
    // The panel closed without a restore; the command panel takes the focus back.
    void closed();

private:
    void buildRows();
    void showRows();
    // The selected copy, or nullptr when the list is empty.
    const BackupEntry* selected() const;
    void answer(bool yes);
    void close();

    QFrame* panel_;
    QLabel* count_;
    QLabel* more_[2] = {};  // ▲ and ▼: entries above and below the window
    std::array<BackupRowFrame*, kRows> frames_{};
    std::array<std::array<ClickLabel*, 3>, kRows> cells_{};  // date, time, operation
    KeyButton* restoreButton_;
    KeyButton* closeButton_;
    HiddenKeyBox* keyBox_;
    YesNoPanel* confirm_;
    std::vector<BackupEntry> copies_;
    ListPager pager_{kRows};
};
