#pragma once
// Panel_Import: teams brought in from a spreadsheet saved as CSV. The file is chosen with the
// desktop's file dialog (F10 of the command panel) or dropped onto the window; the panel then
// shows what the import would do before anything is written: the file and its encoding, how
// many teams each group gains or has updated, and every row that cannot be taken with its
// reason, ↑↓ and PageUp/PageDown paging through them. "F1 取り込む" writes through the
// document (a copy of Data/ first), "F9 やめる" or [ESC] writes nothing; やめる is highlighted
// first. A file that cannot be read shows why, with F9 only.
//
// The panel gives the focus and the panel flag back as they were when it opened: to the
// command panel beneath it, or to the field a file was dropped on.

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "form/screen_area.h"
#include "league/team_import.h"
#include "store/list_pager.h"

class QLabel;
class QWidget;
class ChoiceButtons;
class ClickLabel;
class HiddenKeyBox;
class ImportRowFrame;

class ImportPanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    static constexpr int kGroupRows = 10;  // two columns of ten: every group at once
    static constexpr int kRefusedRows = 7;

    // Asks for a file to import, starting in folder; an empty path when none was chosen.
    using FileChooser = std::function<QString(QWidget* parent, const QString& folder)>;
    // The desktop's file dialog, drawn by Qt itself so that it is the same everywhere.
    static QString chooseWithFileDialog(QWidget* parent, const QString& folder);

    ImportPanel(QWidget* form, FormServices& services);

    // F10: the file dialog, then the preview of the chosen file.
    void chooseFile();
    // The preview of the file at path.
    void open(const QString& path);
    bool isOpen() const;
    // Tests choose the file without the dialog.
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    void Edit_ImportChooseEnter();
    void Edit_ImportChooseKeyDown(int key);
    void Label_ImportRefusedClick(int row);

signals:
    // Teams were written and the panel has closed; the message saying so is on its way.
    void imported();

private:
    void buildGroupTable();
    void buildRefusedRows();
    void buildButtons();
    void showPreview(const QString& fileName);
    void showGroups();
    void showRefusedRows();
    bool canImport() const;
    void answer(bool yes);
    void close();

    QWidget* form_;
    QFrame* panel_;
    QLabel* file_;
    QLabel* encoding_;
    QLabel* unusedColumns_;
    QLabel* target_;
    QLabel* summary_;
    QLabel* status_;
    std::array<QLabel*, 2 * kGroupRows> groups_{};
    QLabel* refusedCount_;
    QLabel* more_[2] = {};  // ▲ and ▼: refused rows above and below the window
    std::array<ImportRowFrame*, kRefusedRows> frames_{};
    std::array<std::array<ClickLabel*, 2>, kRefusedRows> cells_{};  // row number, reason
    QLabel* reason_;                                                // the highlighted row's reason, whole
    QWidget* askBox_;                                               // F1 取り込む, F9 やめる
    QWidget* closeBox_;                                             // F9 閉じる
    ChoiceButtons* ask_;
    ChoiceButtons* closeOnly_;
    HiddenKeyBox* keyBox_;
    FileChooser chooser_;
    ImportPreview preview_;
    ListPager pager_{kRefusedRows};
    int returnFocus_ = 0;
    int panelWasOpen_ = 0;
};
