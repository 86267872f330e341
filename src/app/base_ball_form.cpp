#include "app/base_ball_form.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "app/command_panel.h"
#include "app/help_text.h"
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
#include "form/saved_file_message.h"
#include "form/save_failure_text.h"
#include "form/timed_messages.h"
#include "league/ui/change_over_screen.h"
#include "league/ui/group_list.h"
#include "league/ui/suspension_area.h"
#include "league/ui/team_list.h"
#include "print/csv_export.h"
#include "print/ui/export_commands.h"
#include "print/ui/print_reports.h"
#include "session/league_session.h"
#include "standings/ui/group_letters.h"
#include "standings/ui/group_table.h"
#include "standings/ui/header_line.h"
#include "store/calendar.h"

namespace {
const QString kNothingSaved =
    QStringLiteral("■保存できません。入力は保存されていません（Data フォルダを確認してください）■");
}

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
      model_(std::make_unique<LeagueModel>()),
      dir_(workDir.toStdString()),
      focus_(std::make_unique<FocusTable>(state_)) {
    setObjectName("BaseBall");
    buildForm();
    FormCreate();
}

TBaseBall::~TBaseBall() {
    // Leaving handlers must not write through a half-destroyed form.
    if (QWidget* w = focusWidget()) w->clearFocus();
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
    services_ = std::make_unique<FormServices>(*model_, state_, dir_, *focus_, *help_, *messages_);
    FormServices& s = *services_;
    s.showNothingSaved = [this] { showNotice(kNothingSaved); };
    s.clearNothingSaved = [this] {
        if (notice_->text() == kNothingSaved) showNotice(QString());
    };

    header_ = new HeaderLine(this, s);
    s.showCounts = [this] { header_->showCounts(); };
    s.showHeader = [this] { header_->refresh(); };
    groupTable_ = new GroupTable(this, s);
    groupTable_->lower();  // a base area: every overlay panel lies above it
    groupLetters_ = new GroupLetters(this, s);
    s.showGroup = [this] {
        groupLetters_->showGroupLetters();
        groupTable_->ShowGroup();
    };
    groupList_ = new GroupList(this, s);
    teamList_ = new TeamList(this, s);
    // ShowGroup's part in the two lists: the names of the shown group, the selected group.
    connect(groupTable_, &GroupTable::groupShown, this, [this] {
        std::array<std::string, kTeamsPerGroup> names;
        for (int row = 1; row <= kTeamsPerGroup; ++row) names[row - 1] = groupTable_->teamName(row);
        teamList_->showNames(names);
        groupList_->showGroups();
    });
    connect(groupList_, &GroupList::lettersChanged, groupLetters_, &GroupLetters::showGroupLetters);
    // The selected team's details follow every change of the shown group or team.
    details_ = new DetailsArea(this, s);
    teamList_->showDetails = [this] { details_->showDetails(); };
    connect(groupTable_, &GroupTable::groupShown, details_, &DetailsArea::showSelectedTeam);

    auto* suspension = new SuspensionArea(this, s);
    suspension->hooks.markTeamRow = [this](int n, bool actedOn) { teamList_->markActedOn(n, actedOn); };
    suspension->hooks.ranksKeptByHand = [this] { return groupTable_->ranksKeptByHand(); };
    teamList_->openWithdrawal = [suspension](int n) { suspension->openWithdrawal(n); };
    teamList_->openSuspension = [suspension](int n) { suspension->openSuspension(n); };
    teamList_->openReturn = [suspension](int n) { suspension->openReturn(n); };

    command_ = new CommandPanel(this, s);
    s.toggleCommandPanel = [this] { command_->toggleCommandPanel(); };
    savedFiles_ = new SavedFileMessage(this, *focus_, *help_, *messages_);
    command_->printStandings = [this] { savedFiles_->tell(printNotice(printStandingsSheet(*model_, dir_))); };
    command_->printTeamList = [this] {
        const ListDate today{model_->todayYear, model_->todayMonth, model_->todayDay};
        savedFiles_->tell(printNotice(printTeamList(*model_, dir_, today)));
    };
    command_->savePdfs = [this] {
        const ListDate today{model_->todayYear, model_->todayMonth, model_->todayDay};
        savedFiles_->tell(pdfPairNotice(saveReportsAsPdf(*model_, dir_, today)));
    };
    command_->exportCsv = [this] { savedFiles_->tell(csvExportNotice(exportCsv(*model_, dir_), dir_)); };

    changeOver_ = new ChangeOverScreen(this, s);
    command_->startChangeOver = [this] { changeOver_->openFromCommandPanel(); };
    s.openChangeOver = [this](int year, int half) { changeOver_->openForNewTerm(year, half); };
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

    const StartupResult r = loadLeague(*model_, dir_, today);
    filesReady_ = r.allFilesReady;
    if (!r.dataFolderReady)
        showNotice(QStringLiteral("■データフォルダ Data を作成できません。入力は保存されません■"));
    else if (!r.writable)
        showNotice(QStringLiteral("■Data フォルダに書き込めません。入力は保存されません■"));
    else if (!r.allFilesReady || !r.recovered)
        showNotice(QStringLiteral("■データファイルの一部を読み書きできません。入力が保存されない場合があります■"));

    help_->showInitialHint();
    header_->colourCaptionsByToday();
    refreshScreens();
    services_->startCountingSaves();
    header_->yearEdit()->setFocus();
}

void TBaseBall::showNotice(const QString& text) {
    notice_->setText(text);
}

void TBaseBall::refreshScreens() {
    header_->refresh();
    services_->showGroup();
}

bool TBaseBall::FormCloseQuery() {
    if (closed_) return true;
    details_->closeResultPanel();
    // The club name as typed last reaches the model before it is saved.
    header_->confirmUserNameIfEdited();
    const SaveResult r = closeLeague(*model_, dir_);
    if (r.ok() || closeFailureShown_) {
        closed_ = true;
        return true;
    }
    // Closing would lose what could not be saved: say so, and let a second close go ahead.
    closeFailureShown_ = true;
    services_->reportSave(r);
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

bool TBaseBall::focusNextPrevChild(bool) {
    return true;
}

void TBaseBall::Label_MarrowdyneClick() {
    QDesktopServices::openUrl(makerPage());
}
