#pragma once
// The message that tells where a command saved its files: the whole path of each, with the
// home folder written "~", shown for several seconds. It holds the keyboard while it shows,
// so nothing typed meanwhile lands in a field: [Enter] opens the files with the desktop's
// viewer (when there is one) and closes it, [F9] or [ESC] closes it, other keys are ignored.
// The focus then goes back to the field it came from. A click into a field closes it too.

#include <QObject>
#include <QString>
#include <QStringList>

class QFrame;
class QLabel;
class QTimer;
class QWidget;
class FocusTable;
class HelpArea;
class HiddenKeyBox;
class TimedMessages;

// What a command says when it is done. With files named, the saved-file message names
// them; without, the text is an ordinary timed message.
struct CommandNotice {
    QString text;            // "■PDFに保存しました■"
    QStringList savedFiles;  // full paths, in the order saved
};

// The path as a user reads it: "~/Tallyfold/Print/勝敗表_2026後期.pdf" below the home
// folder, the full path elsewhere.
QString pathForUser(const QString& path, const QString& home);

// The desktop's viewer for a file, xdg-open, when it can be found; opening never waits.
bool desktopViewerAvailable();
bool openWithDesktopViewer(const QString& path);

class SavedFileMessage : public QObject {
    Q_OBJECT
public:
    static constexpr int kShowFor = 8000;  // ms: time to read two paths and decide

    SavedFileMessage(QWidget* form, FocusTable& focus, HelpArea& help, TimedMessages& messages);

    void tell(const CommandNotice& notice);
    bool isShown() const;
    QTimer* timer() const { return timer_; }

public slots:
    void Timer_SavedFileTimer();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void show(const CommandNotice& notice);
    void layOut();
    void Edit_SavedFileChooseKeyDown(int key);
    // Hides the message; the focus goes back to the field it came from unless it has
    // already gone somewhere else.
    void close(bool giveFocusBack);
    void openFiles();

    QWidget* form_;
    FocusTable& focus_;
    HelpArea& help_;
    TimedMessages& messages_;
    QFrame* panel_;
    QLabel* headline_;
    QLabel* files_;
    QLabel* keys_;
    HiddenKeyBox* keyBox_;
    QTimer* timer_;
    QStringList paths_;
    bool viewer_ = false;
    bool closing_ = false;
};
