#pragma once
// Panel_ZipSearch: the results of a postal-code lookup, 20 rows to a page, each a code and
// an address (prefecture, city, town) with the business name in a column outside the
// visible part. Its hidden key box Edit_ZipChoose takes the arrows, the page keys, [Enter]
// and [ESC]; a click on a row chooses it. Choosing and cancelling are left to the owner.

#include <QObject>
#include <array>
#include <vector>

#include "contacts/postal_dictionary.h"
#include "contacts/result_pager.h"
#include "form/screen_area.h"

class QFrame;
class QLabel;
class ClickLabel;
class FramedShape;
class HiddenKeyBox;

class ZipResultPanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    static constexpr int kRows = postal::ResultPager::kRows;

    ZipResultPanel(QWidget* form, FormServices& services);

    // Shows the first page of the matches with its first row highlighted, sets panelOpen
    // and gives the focus to the key box.
    void open(postal::MatchList matches);
    // Turns every row frame silver and hides the panel; panelOpen is cleared.
    void close();
    bool isOpen() const;
    // The record of the highlighted row.
    postal::PostalDictRecord highlightedRecord() const;

    void Edit_ZipChooseEnter();
    void Edit_ZipChooseKeyDown(int key);
    // Any of the four labels of row k (1..20).
    void Label_ZipSearchClick(int k);

signals:
    // [Enter] or a click (true), or [ESC] (false).
    void closing(bool choose);

private:
    void buildRows();
    void fillPage();
    void highlight();
    void moveThumb();

    QFrame* panel_;
    HiddenKeyBox* keyBox_;
    FramedShape* track_;
    FramedShape* thumb_;
    struct Row {
        FramedShape* codeFrame;
        FramedShape* addressFrame;
        std::array<ClickLabel*, 4> labels;  // code, prefecture, city, town
        QLabel* business;
    };
    std::array<Row, kRows> rows_{};
    postal::MatchList matches_;
    postal::ResultPager pager_;
    std::vector<postal::PostalDictRecord> page_;
};
