#pragma once
// The timed message panels: shown 100 ms after they are asked for, hidden a while later,
// with the focus given back to the field with the current number each time.

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QTimer;
class QWidget;
class FocusTable;
class SaveResult;

class TimedMessages : public QObject {
    Q_OBJECT
public:
    TimedMessages(QWidget* form, FocusTable& focus);

    // "■パネルが開いた状態では操作できません■"
    void showPanelOpenMessage();
    // "■２回削除はできません。一度終了させてください■"
    void showNotDeleteMessage();
    // "■Seiseki.001 に保存できませんでした（ディスクの空きがありません）■": the file and why.
    void showSaveFailure(const SaveResult& r);
    // Any other message in the same style, e.g. why an operation was refused. A long one
    // stays longer and, wider than the form, goes on over more lines.
    void showMessage(const QString& text);
    // Cancels a panel-open message that has not appeared yet.
    void cancelPanelOpenMessage();

    QTimer* errorTimer() const { return errTimer_; }
    QTimer* notDeleteTimer() const { return notDeleteTimer_; }
    QTimer* saveErrorTimer() const { return saveErrTimer_; }
    // The text of the message panel for saves and refusals, as last shown.
    QString messageText() const;

public slots:
    void Timer_ErrMsgTimer();
    void Timer_NotDeleteTimer();
    void Timer_SaveErrTimer();

private:
    void tick(QTimer* timer, QFrame* panel, int showFor);
    static void start(QTimer* timer);

    FocusTable& focus_;
    QTimer* errTimer_;
    QTimer* notDeleteTimer_;
    QTimer* saveErrTimer_;
    QFrame* openErr_;
    QFrame* notDelete_;
    QFrame* saveErr_;
    QLabel* saveErrText_;
    int saveErrShowFor_ = 0;
};
