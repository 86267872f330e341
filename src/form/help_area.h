#pragma once
// The help area: two help lines for the focused field, the read-only help memo with the
// operating instructions, and the hint line under the memo.

#include <QObject>
#include <QPointer>
#include <QString>

#include "form/form_state.h"

class QLabel;
class QPlainTextEdit;
class QWidget;
class FocusTable;

class HelpArea : public QObject {
    Q_OBJECT
public:
    // Registers the memo under its focus number. instructions: the text of the memo.
    HelpArea(QWidget* form, FormState& state, FocusTable& focus, const QString& instructions);

    // The help of the field that has just taken the focus.
    void setHelp(const QString& line1, const QString& line2);
    // What the pointer rests on; it does not stand for the focused field's help.
    void setPointerHelp(const QString& line1, const QString& line2);
    QString line1() const;
    QString line2() const;

    // The hint line: "説明文内でクリックし↑↓キーでお読みください" while a field other than the
    // year and the club name is being edited, "入力中の項目では説明文を読めません" otherwise.
    void setManualHint();
    void clearManualHint();
    // The start-up text, with manualHint 0.
    void showInitialHint();
    QString manualHintText() const;

    QPlainTextEdit* memo() const { return memo_; }

    // A click into the memo: it may not take the focus from an open panel.
    void Memo1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Every change of the focus shows the help of the field that took it, or none: a field
    // without help lines of its own never keeps the lines of the one before.
    void focusChanged();
    void showLines(const QString& line1, const QString& line2);

    FormState& st_;
    FocusTable& focus_;
    QLabel* line1_;
    QLabel* line2_;
    QPlainTextEdit* memo_;
    QLabel* manual_;
    bool helpSetSinceFocusChange_ = false;
    QPointer<QWidget> lastFocused_;
};
