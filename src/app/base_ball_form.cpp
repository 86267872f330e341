#include "app/base_ball_form.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "app/command_panel.h"
#include "app/focus_table.h"
#include "app/fonts.h"
#include "app/form_layout.h"
#include "app/form_services.h"
#include "app/help_area.h"
#include "app/timed_messages.h"
#include "app/overlay_panels.h"
#include "form/click_label.h"
#include "form/field_edit.h"
#include "form/form_colors.h"
#include "league/ui/group_list.h"
#include "league/ui/team_list.h"
#include "standings/ui/group_letters.h"
#include "standings/ui/group_table.h"
#include "standings/ui/header_line.h"
#include "store/calendar.h"
#include "store/league_session.h"

using form_layout::kFormHeight;
using form_layout::kFormWidth;

QString TBaseBall::caption() { return QStringLiteral("Scorvane　Ver 10.11.23"); }

QUrl TBaseBall::makerPage() { return QUrl(QStringLiteral("https://marrowdyne.example.jp/")); }

TBaseBall::TBaseBall(const QString& workDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      model_(std::make_unique<LeagueModel>()),
      dir_(workDir.toStdString()),
      focus_(std::make_unique<FocusTable>(*model_)) {
    setObjectName("BaseBall");
    buildForm();
    FormCreate();
}

TBaseBall::~TBaseBall() {
    // Leaving handlers must not write through a half-destroyed form.
    if (QWidget* w = focusWidget()) w->clearFocus();
}

void TBaseBall::buildForm() {
    setWindowTitle(caption());
    QFont f(fonts::kPGothic);
    f.setPixelSize(12);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::Window, form_colors::kFormBackground);
    setPalette(p);
    setAutoFillBackground(true);

    // The date of today as the system writes it; it lies outside the visible window.
    dateLabel_ = new QLabel(this);
    dateLabel_->setObjectName("DateLabel");
    dateLabel_->setGeometry(-400, -40, 300, 20);

    notice_ = new QLabel(this);
    notice_->setObjectName("Label_StartupNotice");
    notice_->setGeometry(10, form_layout::kMaker.y(), 700, 18);
    QPalette np = notice_->palette();
    np.setColor(QPalette::WindowText, form_colors::kRed);
    notice_->setPalette(np);

    maker_ = new ClickLabel(this, "Label_Marrowdyne", QStringLiteral("Programed By Marrowdyne"), form_layout::kMaker);
    maker_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    maker_->setCursor(Qt::PointingHandCursor);
    maker_->setTextColor(form_colors::kGray);
    connect(maker_, &ClickLabel::clicked, this, &TBaseBall::Label_MarrowdyneClick);

    overlay_panels::createAll(this);

    timerErrMsg_ = new QTimer(this);
    timerErrMsg_->setObjectName("Timer_ErrMsg");
    timerNotDelete_ = new QTimer(this);
    timerNotDelete_->setObjectName("Timer_NotDelete");
    for (QTimer* t : {timerErrMsg_, timerNotDelete_}) {
        t->setInterval(100);
        t->stop();
    }

    help_ = new HelpArea(this, *model_, *focus_);
    messages_ = new TimedMessages(this, *focus_, timerErrMsg_, timerNotDelete_);
    services_.reset(new FormServices{*model_, dir_, *focus_, *help_, *messages_});
    header_ = new HeaderLine(this, *services_);
    services_->showCounts = [this] { header_->showCounts(); };
    groupTable_ = new GroupTable(this, *services_);
    groupTable_->lower();  // a base area: every overlay panel lies above it
    groupLetters_ = new GroupLetters(this, *model_);
    services_->showGroup = [this] {
        groupLetters_->showGroupLetters();
        groupTable_->ShowGroup();
    };
    services_->showHeader = [this] { header_->refresh(); };
    groupList_ = new GroupList(this, *services_);
    teamList_ = new TeamList(this, *services_);
    // ShowGroup's part in the two lists: the names of the shown group, the selected group.
    connect(groupTable_, &GroupTable::groupShown, this, [this] {
        std::array<std::string, kTeamsPerGroup> names;
        for (int row = 1; row <= kTeamsPerGroup; ++row) names[row - 1] = groupTable_->teamName(row);
        teamList_->showNames(names);
        groupList_->showGroups();
    });
    connect(groupList_, &GroupList::lettersChanged, groupLetters_, &GroupLetters::showGroupLetters);

    command_ = new CommandPanel(this, *services_);
    services_->toggleCommandPanel = [this] { command_->toggleCommandPanel(); };
}

void TBaseBall::FormCreate() {
    setFixedSize(kFormWidth, kFormHeight);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect avail = s->availableGeometry();
        move(avail.center() - QPoint(kFormWidth / 2, kFormHeight / 2));
    }

    const LocalDateTime now = currentDateTime();
    dateLabel_->setText(QString::fromStdString(formatDateText(now)));
    const CalendarDate today = parseDateText(dateLabel_->text().toStdString());

    for (const QString& name : overlay_panels::names())
        if (auto* w = findChild<QWidget*>(name)) w->hide();
    timerErrMsg_->stop();
    timerNotDelete_->stop();

    StartupResult r = loadLeague(*model_, dir_, today);
    filesReady_ = r.allFilesReady;
    if (!r.dataFolderReady)
        notice_->setText(QStringLiteral("■データフォルダ Data を作成できません。入力は保存されません■"));
    else if (!r.allFilesReady)
        notice_->setText(QStringLiteral("■データファイルの一部を作成できません。入力が保存されない場合があります■"));

    help_->showInitialHint();
    header_->colourCaptionsByToday();
    refreshScreens();
    header_->yearEdit()->setFocus();
}

void TBaseBall::refreshScreens() {
    header_->refresh();
    services_->showGroup();
}

bool TBaseBall::FormCloseQuery() {
    if (closed_) return true;
    closed_ = true;
    // The club name as typed last reaches the model before it is saved.
    header_->confirmUserNameIfEdited();
    return closeLeague(*model_, dir_);
}

void TBaseBall::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    e->accept();
}

void TBaseBall::Label_MarrowdyneClick() { QDesktopServices::openUrl(makerPage()); }
