#include "form/saved_file_message.h"

#include <QDir>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "form/focus_table.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/help_area.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/timed_messages.h"

namespace {

constexpr int kMargin = 20;
constexpr int kLine = 22;
constexpr int kMinWidth = 420;
constexpr int kMaxWidth = form_layout::kFormWidth - 20;

QString viewerProgram() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

}  // namespace

QString pathForUser(const QString& path, const QString& home) {
    const QString full = QDir::cleanPath(QDir(path).absolutePath());
    const QString base = QDir::cleanPath(home);
    // A home of "/" (or none) would turn every path into "~/…", which says nothing.
    if (home.isEmpty() || base == QStringLiteral("/")) return full;
    if (full == base) return QStringLiteral("~");
    if (full.startsWith(base + QLatin1Char('/'))) return QStringLiteral("~") + full.mid(base.size());
    return full;
}

bool desktopViewerAvailable() {
    return !viewerProgram().isEmpty();
}

bool openWithDesktopViewer(const QString& path) {
    const QString viewer = viewerProgram();
    return !viewer.isEmpty() && QProcess::startDetached(viewer, {path});
}

SavedFileMessage::SavedFileMessage(QWidget* form, FocusTable& focus, HelpArea& help, TimedMessages& messages)
    : QObject(form), form_(form), focus_(focus), help_(help), messages_(messages) {
    using namespace form_colors;
    panel_ = makeRaisedPanel(form, QStringLiteral("Panel_SavedFile"), QRect(), kWhite);
    headline_ = makeLabel(panel_, QString(), QRect(), LabelStyle{15, Qt::AlignCenter, kRed, QColor(), true},
                          "Label_SavedFileMessage");
    files_ = makeLabel(panel_, QString(), QRect(), LabelStyle{14, Qt::AlignCenter, kBlack}, "Label_SavedFileNames");
    keys_ = makeLabel(panel_, QString(), QRect(), LabelStyle{13, Qt::AlignCenter, kGray}, "Label_SavedFileKeys");
    keyBox_ = new HiddenKeyBox(panel_, "Edit_SavedFileChoose");
    keyBox_->installEventFilter(this);
    keyBox_->handKeysTo(this, &SavedFileMessage::Edit_SavedFileChooseKeyDown);
    connect(keyBox_, &FieldEdit::entered, this, [this] {
        help_.setHelp(viewer_ ? QStringLiteral("[Enter]キーで保存したファイルを開きます．")
                              : QStringLiteral("保存したファイルの場所を表示しています．"),
                      QStringLiteral("[F9]キーまたは[ESC]キーでこのメッセージを閉じ、元の入力欄に戻ります．"));
    });

    timer_ = new QTimer(form);
    timer_->setObjectName("Timer_SavedFile");
    timer_->setSingleShot(true);
    timer_->setInterval(kShowFor);
    connect(timer_, &QTimer::timeout, this, &SavedFileMessage::Timer_SavedFileTimer);
}

void SavedFileMessage::tell(const CommandNotice& notice) {
    if (notice.savedFiles.isEmpty()) {
        messages_.showMessage(notice.text);
        return;
    }
    show(notice);
}

bool SavedFileMessage::isShown() const {
    return panel_->isVisible();
}

void SavedFileMessage::show(const CommandNotice& notice) {
    paths_ = notice.savedFiles;
    viewer_ = desktopViewerAvailable();
    QStringList shown;
    for (const QString& p : paths_) shown << pathForUser(p, QDir::homePath());
    headline_->setText(notice.text);
    files_->setText(shown.join(QLatin1Char('\n')));
    files_->setToolTip(files_->text());
    keys_->setText(viewer_ ? QStringLiteral("[Enter]キー：ファイルを開く　　[F9]キー：閉じる")
                           : QStringLiteral("[F9]キー：閉じる"));
    layOut();
    panel_->raise();
    panel_->show();
    // At once, not on a timer's first tick: keys already on their way reach the message, not
    // the field the command panel has just given the focus back to.
    keyBox_->setFocus(Qt::OtherFocusReason);
    timer_->start();
}

void SavedFileMessage::layOut() {
    const int lines = int(paths_.size());
    int width = 0;
    for (QLabel* l : {headline_, files_, keys_}) {
        for (const QString& line : l->text().split(QLatin1Char('\n')))
            width = std::max(width, l->fontMetrics().horizontalAdvance(line));
    }
    width = std::clamp(width + 2 * kMargin, kMinWidth, kMaxWidth);
    const int height = 10 + kLine * (lines + 2) + 10;
    panel_->setGeometry(QRect((form_layout::kFormWidth - width) / 2, form_layout::kMessagePanel.y(), width, height));
    const int inner = width - 2 * kMargin;
    headline_->setGeometry(kMargin, 10, inner, kLine);
    files_->setGeometry(kMargin, 10 + kLine, inner, kLine * lines);
    keys_->setGeometry(kMargin, 10 + kLine * (lines + 1), inner, kLine);
    // A path wider than the form loses its middle on screen; the tooltip holds it whole.
    QStringList fitted;
    for (const QString& line : files_->text().split(QLatin1Char('\n')))
        fitted << files_->fontMetrics().elidedText(line, Qt::ElideMiddle, inner);
    files_->setText(fitted.join(QLatin1Char('\n')));
}

void SavedFileMessage::Edit_SavedFileChooseKeyDown(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (viewer_) openFiles();
            close(true);
            return;
        case Qt::Key_F9:
        case Qt::Key_Escape:
            close(true);
            return;
        default:
            return;  // held by the message, never passed to a field
    }
}

void SavedFileMessage::openFiles() {
    for (const QString& p : paths_) {
        if (openWithDesktopViewer(p)) continue;
        messages_.showMessage(QStringLiteral("■%1 を開けませんでした■").arg(pathForUser(p, QDir::homePath())));
        return;
    }
}

void SavedFileMessage::Timer_SavedFileTimer() {
    if (!isShown()) return;
    // A focus that went to a field of the form stays there.
    close(form_->focusWidget() == keyBox_);
}

void SavedFileMessage::close(bool giveFocusBack) {
    if (closing_) return;
    closing_ = true;
    timer_->stop();
    // Take the focus out before hiding, or Qt would hand it to some other field.
    if (keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
    closing_ = false;
    if (giveFocusBack) focus_.restoreFocus();
}

bool SavedFileMessage::eventFilter(QObject* watched, QEvent* e) {
    if (watched == keyBox_ && e->type() == QEvent::FocusOut && isShown() && !closing_) {
        // Another window taking the keyboard leaves the message up; a click into a field of
        // the form closes it and leaves the focus there.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) close(false);
    }
    return QObject::eventFilter(watched, e);
}
