#pragma once
// The help area: two help lines for the focused field, the read-only help memo with the
// operating instructions, and the hint line under the memo.

#include <QObject>
#include <QString>

#include "store/league_model.h"

class QLabel;
class QPlainTextEdit;
class QWidget;
class FocusTable;

class HelpArea : public QObject {
    Q_OBJECT
public:
    // Registers the memo as focus number 2820.
    HelpArea(QWidget* form, LeagueModel& model, FocusTable& focus);

    void setHelp(const QString& line1, const QString& line2);
    QString line1() const;
    QString line2() const;

    // The hint line: "説明文内でクリックし↑↓キーでお読みください" while a field other than the
    // year and the club name is being edited, "入力中の項目では説明文を読めません" otherwise.
    void setManualHint();
    void clearManualHint();
    // The start-up text, with manualHint 0.
    void showInitialHint();

    QPlainTextEdit* memo() const { return memo_; }

    // A click into the memo: it may not take the focus from an open panel.
    void Memo1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    LeagueModel& m_;
    FocusTable& focus_;
    QLabel* line1_;
    QLabel* line2_;
    QPlainTextEdit* memo_;
    QLabel* manual_;
};
