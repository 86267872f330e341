#include "app/base_ball_form.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "app/command_panel.h"
#include "app/help_text.h"
#include "app/report_commands.h"
#include "contacts/ui/details_area.h"
#include "form/click_label.h"
#include "form/field_edit.h"
#include "form/focus_table.h"
#include "form/fonts.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/form_services.h"
#include "form/help_area.h"
#include "form/label_factory.h"
#include "form/save_failure_text.h"
#include "form/saved_file_message.h"
#include "form/timed_messages.h"
#include "league/ui/change_over_screen.h"
#include "league/ui/group_list.h"
#include "league/ui/suspension_area.h"
#include "league/ui/team_list.h"
#include "standings/ui/group_letters.h"
#include "standings/ui/group_table.h"
#include "standings/ui/header_line.h"
#include "store/calendar.h"

namespace {
const QString kNothingSaved =
    QStringLiteral("■保存できません。入力は保存されていません（Data フォルダを確認してください）■");

// The one local file a drag carries; empty for anything else (text, several files, a web link).
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return QString();
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}
}  // namespace

using form_layout::kFormHeight;
using form_layout::kFormWidth;

QString TBaseBall::caption() {
    return QStringLiteral("Tallyfold　Ver " TALLYFOLD_VERSION);
}

QUrl TBaseBall::makerPage() {
    return QUrl(QStringLiteral("https://marrowdyne.example.jp/"));
}

TBaseBall::TBaseBall(const QString& workDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      document_(new LeagueDocument(workDir.toStdString(), this)),
      focus_(std::make_unique<FocusTable>(state_)) {
    setObjectName("BaseBall");
    buildForm();
    FormCreate();
}

TBaseBall::~TBaseBall() {
    // Leaving handlers must not write through a half-destroyed form.
    if (QWidget* w = focusWidget()) w->clearFocus();
}

const LeagueModel& TBaseBall::model() const {
    return document_->model();
}

const DataDir& TBaseBall::dataDir() const {
    return document_->dir();
}

QTimer* TBaseBall::errorMessageTimer() const {
    return messages_->errorTimer();
}

QTimer* TBaseBall::notDeleteTimer() const {
    return messages_->notDeleteTimer();
}

void TBaseBall::buildForm() {
    setWindowTitle(caption());
    QFont f(fonts::kPGothic);
    f.setPixelSize(12);
    setFont(f);
    setWidgetColours(this, QColor(), form_colors::kFormBackground);
    setAcceptDrops(true);

    // The date of today as the system writes it; it lies outside the visible window.
    dateLabel_ = makeLabel(this, QString(), QRect(-400, -40, 300, 20), LabelStyle{}, "DateLabel");
    notice_ = makeLabel(this, QString(), QRect(10, form_layout::kMaker.y(), 810, 18),
                        LabelStyle{0, Qt::AlignLeft | Qt::AlignVCenter, form_colors::kRed}, "Label_StartupNotice");

    maker_ = new ClickLabel(this, "Label_Marrowdyne", QStringLiteral("Programed By Marrowdyne"), form_layout::kMaker);
    maker_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    maker_->setCursor(Qt::PointingHandCursor);
    maker_->setTextColor(form_colors::kGray);
    connect(maker_, &ClickLabel::clicked, this, &TBaseBall::Label_MarrowdyneClick);

    help_ = new HelpArea(this, state_, *focus_, help_text::operatingInstructions());
    messages_ = new TimedMessages(this, *focus_);
    savedFiles_ = new SavedFileMessage(this, *focus_, *help_, *messages_);
    commands_ = new FormCommands(this);
    services_ =
        std::make_unique<FormServices>(*document_, state_, *focus_, *help_, *messages_, *commands_, *savedFiles_);
    FormServices& s = *services_;
    connect(document_, &LeagueDocument::saveFailed, messages_, &TimedMessages::showSaveFailure);
    connect(document_, &LeagueDocument::savesFailing, this, [this](bool failing) {
        if (failing)
            showNotice(kNothingSaved);
        else if (notice_->text() == kNothingSaved)
            showNotice(QString());
    });
    connect(document_, &LeagueDocument::startupChecked, this, &TBaseBall::showStartupNotice);

    // Each area connects itself to the document's signals and the commands it carries out;
    // the order they are built in is the order they are shown in.
    header_ = new HeaderLine(this, s);
    groupTable_ = new GroupTable(this, s);
    groupTable_->lower();  // a base area: every overlay panel lies above it
    groupLetters_ = new GroupLetters(this, s);
    groupList_ = new GroupList(this, s);
    teamList_ = new TeamList(this, s);
    details_ = new DetailsArea(this, s);
    new SuspensionArea(this, s);
    command_ = new CommandPanel(this, s);
    new ReportCommands(this, s);
    changeOver_ = new ChangeOverScreen(this, s);
}

void TBaseBall::FormCreate() {
    setFixedSize(kFormWidth, kFormHeight);
    if (QScreen* sc = QGuiApplication::primaryScreen()) {
        QRect avail = sc->availableGeometry();
        move(avail.center() - QPoint(kFormWidth / 2, kFormHeight / 2));
    }

    const LocalDateTime now = currentDateTime();
    dateLabel_->setText(QString::fromStdString(formatDateText(now)));
    const CalendarDate today = parseDateText(dateLabel_->text().toStdString());

    help_->showInitialHint();
    filesReady_ = document_->start(today).allFilesReady;
    header_->colourCaptionsByToday();
    document_->startCountingSaves();
    header_->yearEdit()->setFocus();
}

void TBaseBall::showStartupNotice(const StartupResult& r) {
    if (!r.dataFolderReady)
        showNotice(QStringLiteral("■データフォルダ Data を作成できません。入力は保存されません■"));
    else if (!r.writable)
        showNotice(QStringLiteral("■Data フォルダに書き込めません。入力は保存されません■"));
    else if (!r.allFilesReady || !r.recovered)
        showNotice(QStringLiteral("■データファイルの一部を読み書きできません。入力が保存されない場合があります■"));
    else
        showNotice(QString());
}

void TBaseBall::showNotice(const QString& text) {
    notice_->setText(text);
}

bool TBaseBall::FormCloseQuery() {
    if (closed_) return true;
    details_->closeResultPanel();
    // The club name as typed last reaches the model before it is saved.
    header_->confirmUserNameIfEdited();
    const SaveResult r = document_->close();
    if (r.ok() || closeFailureShown_) {
        closed_ = true;
        return true;
    }
    // Closing would lose what could not be saved: say so, and let a second close go ahead.
    closeFailureShown_ = true;
    document_->reportSave(r);
    showNotice(QStringLiteral("■%1 に保存できませんでした%2。もう一度閉じると保存せずに終了します■")
                   .arg(QString::fromStdString(r.failedFileName()), saveFailureCause(r.cause())));
    return false;
}

void TBaseBall::closeEvent(QCloseEvent* e) {
    if (FormCloseQuery())
        e->accept();
    else
        e->ignore();
}

void TBaseBall::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedFile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TBaseBall::dropEvent(QDropEvent* e) {
    const QString path = droppedFile(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // The keys go to what the drop opens, not to the window the file came from.
    activateWindow();
    if (services_->refuseWhilePanelOpen()) return;
    emit commands_->importFile(path);
}

bool TBaseBall::focusNextPrevChild(bool) {
    return true;
}

void TBaseBall::Label_MarrowdyneClick() {
    QDesktopServices::openUrl(makerPage());
}
