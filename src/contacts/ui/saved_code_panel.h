#pragma once
// Panel_MyZip: the postal codes already used by teams, 15 to a page, shown beside the
// postal-code field while it has the focus. "▲" and "▼" turn the pages; a click on a code
// or on its address hands the code to the field.

#include <QObject>
#include <array>
#include <vector>

#include "contacts/saved_code_pages.h"
#include "form/screen_area.h"

class QFrame;
class QLabel;
class ClickLabel;

class SavedCodePanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    static constexpr int kRows = SavedCodePager::kRows;

    SavedCodePanel(QWidget* form, FormServices& services);

    // Counts the saved codes and shows the first page; with none saved the panel stays hidden.
    void open();
    void close();
    bool isOpen() const;

    void Label_Panel_MyZipUpClick();
    void Label_Panel_MyZipDownClick();
    // Either label of row r (1..15).
    void Label_MyZipClick(int r);

signals:
    // The code of a clicked row, without its blanks.
    void codeChosen(const QString& code);

private:
    void buildRows();
    void buildArrows();
    void showPage();

    QFrame* panel_;
    std::array<ClickLabel*, kRows> codes_{};
    std::array<ClickLabel*, kRows> addresses_{};
    ClickLabel* up_;
    ClickLabel* down_;
    QLabel* nowPage_;
    QLabel* maxPage_;
    SavedCodePager pager_;
    std::vector<SavedCodeRow> rows_;
};
