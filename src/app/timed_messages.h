#pragma once
// The two timed message panels: shown 100 ms after they are asked for, hidden 2 s later,
// with the focus given back to the field with the current number each time.

#include <QObject>

class QFrame;
class QTimer;
class QWidget;
class FocusTable;

class TimedMessages : public QObject {
    Q_OBJECT
public:
    TimedMessages(QWidget* form, FocusTable& focus, QTimer* errTimer, QTimer* notDeleteTimer);

    // "■パネルが開いた状態では操作できません■"
    void showPanelOpenMessage();
    // "■２回削除はできません。一度終了させてください■"
    void showNotDeleteMessage();
    // Cancels a panel-open message that has not appeared yet.
    void cancelPanelOpenMessage();

public slots:
    void Timer_ErrMsgTimer();
    void Timer_NotDeleteTimer();

private:
    void tick(QTimer* timer, QFrame* panel);

    FocusTable& focus_;
    QTimer* errTimer_;
    QTimer* notDeleteTimer_;
    QFrame* openErr_;
    QFrame* notDelete_;
};
