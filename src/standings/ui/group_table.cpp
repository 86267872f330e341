#include "standings/ui/group_table.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "form/click_label.h"
#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/fonts.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/framed_shape.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "standings/rank_explanation.h"
#include "standings/result_codes.h"
#include "standings/standings.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/sjis.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {

// Panel coordinates of the table's parts.
constexpr int kCell = 22;  // result squares are kCell × kCell
constexpr int kRowNameX = 2, kRowNameWidth = 122;
constexpr int kGridX = 126;  // left of column 1
constexpr int kHeadingY = 22, kHeadingCharHeight = 13;
constexpr int kHeadingChars = 8;
constexpr int kGridY = kHeadingY + kHeadingChars * kHeadingCharHeight + 2;  // top of row 1
constexpr int kCountX = kGridX + kTeamsPerGroup * kCell + 2;
constexpr int kCountWidth = 20;
constexpr int kRankX = kCountX + 4 * kCountWidth + 2, kRankWidth = 26;
constexpr int kCaptionY = kGridY - 40, kCaptionHeight = 19;

const QColor kCountColour = fromFormColor(15138815);    // 255,255,230
const QColor kCaptionColour = fromFormColor(12189695);  // 255,255,185

const QString kMarks[] = {QStringLiteral("　"), QStringLiteral("○"), QStringLiteral("×"), QStringLiteral("△")};

const QString kGridHelp1 = QStringLiteral("マウスでクリックすると[○][×][△][  ]が順番に表示されます．");
const QString kGridHelp2 = QStringLiteral("[○]は勝、[×]は負、[△]は引き分けです．");

// The diagonal squares and wins frames of rows 3..10 keep the names the pointer help lists them by.
const char* const kDiagonalNames[kTeamsPerGroup] = {nullptr,    nullptr,    "Shape59",  "Shape75",  "Shape91",
                                                    "Shape107", "Shape123", "Shape139", "Shape155", "Shape171"};
const char* const kWinsFrameNames[kTeamsPerGroup] = {nullptr,    nullptr,    "Shape67",  "Shape82",  "Shape97",
                                                     "Shape112", "Shape127", "Shape142", "Shape157", "Shape172"};

QRect cellRect(int i, int j) {
    return QRect(kGridX + kCell * (j - 1), kGridY + kCell * (i - 1), kCell, kCell);
}

QLabel* tableLabel(QWidget* parent, const QString& name, const QRect& r, Qt::Alignment align,
                   const QColor& background = QColor(), const QColor& text = QColor()) {
    return makeLabel(parent, QString(), r, LabelStyle{0, align, text, background}, name);
}

// A count as the table shows it ("%2d"; blank for zero when asked), without converting text:
// a click sets some fifty of them.
QString countText(int value, bool zeroAsBlank) {
    static const std::array<QString, 100> shown = [] {
        std::array<QString, 100> t;
        for (int v = 0; v < 100; ++v) t[v] = QStringLiteral("%1").arg(v, 2);
        return t;
    }();
    if (value == 0 && zeroAsBlank) return QStringLiteral("  ");
    if (value >= 0 && value < 100) return shown[value];
    return QString::fromStdString(formatNumber(value, 2));
}

// Labels are set only when their text changes: a group switch or a click touches a hundred
// of them, and most keep what they show.
void showText(QLabel* l, const QString& text) {
    if (l->text() != text) l->setText(text);
}

// The first eight places of a name for the heading written downwards. A double-byte
// character takes one place; half-width characters go two to a place, but a place never
// holds half of a double-byte character. The name is converted once: every Shift-JIS
// character (or undecodable byte) becomes one UTF-16 unit, so places are cut by counting.
std::array<QString, kHeadingChars> headingPlaces(std::string_view name) {
    std::array<QString, kHeadingChars> out;
    std::array<int, kHeadingChars> chars{};  // characters in each place
    std::array<std::size_t, kHeadingChars + 1> bytes{};
    std::size_t at = 0;
    int total = 0;
    for (int k = 0; k < kHeadingChars && at < name.size(); ++k) {
        auto lead = [&](std::size_t p) { return sjis::isLeadByte(static_cast<unsigned char>(name[p])); };
        std::size_t take = 1;
        if (lead(at))
            take = at + 1 < name.size() ? 2 : 1;
        else if (at + 1 < name.size() && !lead(at + 1))
            take = 2;
        chars[k] = lead(at) ? 1 : int(take);
        total += chars[k];
        bytes[k] = at;
        at += take;
        bytes[k + 1] = at;
    }
    const QString whole = fromSjis(name.substr(0, at));
    int from = 0;
    for (int k = 0; k < kHeadingChars && bytes[k + 1] > bytes[k]; ++k) {
        out[k] = whole.size() == total ? whole.mid(from, chars[k])
                                       : fromSjis(name.substr(bytes[k], bytes[k + 1] - bytes[k]));
        from += chars[k];
    }
    return out;
}

}  // namespace

GroupTable::GroupTable(QWidget* form, FormServices& services)
    : QFrame(form), ScreenArea(services), reasonHelp_(services.help) {
    setObjectName("Panel_SingleGame");
    setGeometry(form_layout::kGroupTable);
    setWidgetColours(this, kBlack, kPanelYellow);
    setMouseTracking(true);

    junCal_ = new QCheckBox(QStringLiteral("順位計算しない"), this);
    junCal_->setObjectName("CheckBox_JunCal");
    junCal_->setGeometry(4, 2, 130, 18);
    junCal_->installEventFilter(this);
    // The suspension panels keep the ranks as the table does.
    connect(junCal_, &QCheckBox::toggled, this, [this](bool on) { st_.ranksKeptByHand = on; });
    s_.focus.add(focus::RankByHand, junCal_);
    connect(&doc_, &LeagueDocument::groupShown, this, &GroupTable::ShowGroup);

    buildHeadings();
    buildRows();
    // Qt drops a pointer move over a widget that does not track the pointer, so every control
    // of the table tracks it; they ignore the move and it reaches the panel's one hit test.
    // Moving off a rank box onto any control must be seen, not only onto those the grid help
    // tells apart. An edit box keeps the moves it gets, so the rank boxes' moves are taken on
    // their way to them.
    for (QWidget* w : findChildren<QWidget*>()) w->setMouseTracking(true);
    for (FieldEdit* rank : ranks_) rank->installEventFilter(this);
}

void GroupTable::buildHeadings() {
    for (int c = 1; c <= kTeamsPerGroup; ++c) {
        for (int k = 1; k <= kHeadingChars; ++k) {
            QLabel* l = tableLabel(
                this, controlName("Label_Retu_TeamName", c) + controlName("_", k),
                QRect(kGridX + kCell * (c - 1), kHeadingY + kHeadingCharHeight * (k - 1), kCell, kHeadingCharHeight),
                Qt::AlignCenter, kGridGrey, kBlack);
            columnChars_[c - 1][k - 1] = l;
            if (k >= 5) surroundings_.insert(l);
        }
    }

    auto caption = [&](const QString& text, int x, int y, int width) {
        makeLabel(this, text, QRect(x, y, width, kCaptionHeight),
                  LabelStyle{0, Qt::AlignCenter, kGray, kCaptionColour});
    };
    const int upper = kCaptionY, lower = kCaptionY + kCaptionHeight + 1;
    caption(QStringLiteral("成   績"), kCountX, upper, 3 * kCountWidth);
    caption(QStringLiteral("勝"), kCountX, lower, kCountWidth);
    caption(QStringLiteral("敗"), kCountX + kCountWidth, lower, kCountWidth);
    caption(QStringLiteral("分"), kCountX + 2 * kCountWidth, lower, kCountWidth);
    caption(QStringLiteral("勝"), kCountX + 3 * kCountWidth, upper, kCountWidth);
    caption(QStringLiteral("点"), kCountX + 3 * kCountWidth, lower, kCountWidth);
    caption(QStringLiteral("順"), kRankX, upper, kRankWidth);
    caption(QStringLiteral("位"), kRankX, lower, kRankWidth);
}

void GroupTable::buildRows() {
    QFont mincho(fonts::kMincho);
    mincho.setPixelSize(15);
    QFont names = font();
    names.setPixelSize(12);

    for (int i = 1; i <= kTeamsPerGroup; ++i) {
        const int y = kGridY + kCell * (i - 1);
        auto* nameBox = new FramedShape(this, controlName("Shape_GyouTeamName_", i),
                                        QRect(kRowNameX, y, kRowNameWidth, kCell), kSilver, kGridGrey);
        nameBoxes_[i - 1] = nameBox;
        QLabel* name =
            tableLabel(this, controlName("Label_GyouTeamName_", i),
                       QRect(kRowNameX + 3, y + 1, kRowNameWidth - 4, kCell - 2), Qt::AlignLeft | Qt::AlignVCenter);
        name->setFont(names);
        rowNames_[i - 1] = name;
        surroundings_.insert(name);
        if (i >= 4) surroundings_.insert(nameBox);

        for (int j = 1; j <= kTeamsPerGroup; ++j) {
            if (i == j) {
                auto* diagonal = new FramedShape(this, kDiagonalNames[i - 1] ? kDiagonalNames[i - 1] : "",
                                                 cellRect(i, j), kSilver, kGridGrey);
                if (i >= 3) surroundings_.insert(diagonal);
                continue;
            }
            new FramedShape(this, QString(), cellRect(i, j), kSilver, kWhite);
            auto* cell = new ClickLabel(this, QStringLiteral("Label_Sel_%1_%2").arg(i).arg(j), QString(),
                                        cellRect(i, j).adjusted(1, 1, -1, -1));
            cell->setFont(mincho);
            cell->setAlignment(Qt::AlignCenter);
            cell->setBackgroundColor(kWhite);
            connect(cell, &ClickLabel::clicked, this, [this, i, j] { Label_SelClick(i, j); });
            cells_[i - 1][j - 1] = cell;
            resultCells_.insert(cell);
        }
        buildCountCells(i, y);
    }
}

void GroupTable::buildCountCells(int i, int y) {
    const struct {
        const char* prefix;
        std::array<QLabel*, kTeamsPerGroup>* labels;
    } columns[] = {
        {"Label_Win_", &wins_}, {"Label_Lose_", &losses_}, {"Label_Equal_", &draws_}, {"Label_Score_", &points_}};
    for (int c = 0; c < 4; ++c) {
        const QRect r(kCountX + c * kCountWidth, y, kCountWidth, kCell);
        auto* frame = new FramedShape(this, c == 0 && kWinsFrameNames[i - 1] ? kWinsFrameNames[i - 1] : "", r, kSilver,
                                      kCountColour);
        QLabel* l = tableLabel(this, controlName(columns[c].prefix, i), r.adjusted(1, 1, -3, -1),
                               Qt::AlignRight | Qt::AlignVCenter);
        (*columns[c].labels)[i - 1] = l;
        if (c == 0) {
            surroundings_.insert(l);
            if (i >= 3) surroundings_.insert(frame);
        }
    }

    const QRect r(kRankX, y, kRankWidth, kCell);
    rankFrames_[i - 1] = new FramedShape(this, controlName("Shape_Jun_", i), r, kSilver, kWhite);
    FieldEdit* rank = new FieldEdit(this, controlName("Edit_Jun_", i), r.adjusted(2, 2, -2, -2), 2);
    rank->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rank->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(rank, &FieldEdit::entered, this, [this, i] { Edit_JunEnter(i); });
    connect(rank, &FieldEdit::exited, this, [this, i] { Edit_JunExit(i); });
    connect(rank, &FieldEdit::keyDown, this, [this, i](int key, Qt::KeyboardModifiers) { Edit_JunKeyDown(i, key); });
    ranks_[i - 1] = rank;
    s_.focus.add(focus::rank(i), rank);
}

void GroupTable::ShowGroup() {
    const auto& records = doc_.shownRecords();
    for (int row = kTeamsPerGroup; row >= 1; --row) ShowGroupRow(row, records[row - 1]);
    refreshRankReason();
}

void GroupTable::ShowGroupRow(int row, const std::string& record) {
    auto field = [&](int f) {
        return std::string_view(record).substr(layouts::offset(layouts::Result, f), layouts::width(layouts::Result, f));
    };
    const std::string name(field(result_field::TeamName));
    showText(rowNames_[row - 1], fromSjis(trimField(name)));

    const auto heading = headingPlaces(name);
    for (int k = 0; k < kHeadingChars; ++k) {
        QString ch = heading[k];
        if (ch == QStringLiteral("ー") || ch == QStringLiteral("－")) ch = QStringLiteral("｜");
        showText(columnChars_[row - 1][k], ch);
    }

    // A byte this program never writes shows, and counts, as no result; the own cell is empty.
    for (int j = 1; j <= kTeamsPerGroup; ++j)
        if (j != row) showMark(row, j, true);

    const bool hasTeam = holdsTeam(name);
    auto count = [&](int f) {
        const std::string_view v = field(f);
        return fromSjis(hasTeam && parseLong(v) == 0 && (f == result_field::Wins || f == result_field::Losses)
                            ? std::string_view(" 0")
                            : v);
    };
    showText(wins_[row - 1], count(result_field::Wins));
    showText(losses_[row - 1], count(result_field::Losses));
    showText(draws_[row - 1], count(result_field::Draws));
    showText(points_[row - 1], count(result_field::Points));
    const QString rank = fromSjis(field(result_field::Rank));
    if (ranks_[row - 1]->text() != rank) ranks_[row - 1]->setText(rank);
}

void GroupTable::showMark(int i, int j, bool fromFile) {
    const int code = m_.table.results[i - 1][j - 1];
    // A click clears a cell to an empty caption; a group read from the file shows "　".
    showText(cells_[i - 1][j - 1], code == NoResult && !fromFile ? QString() : kMarks[code]);
}

void GroupTable::Label_SelClick(int i, int j) {
    if (i == j || i < 1 || j < 1 || i > kTeamsPerGroup || j > kTeamsPerGroup) return;
    s_.help.setManualHint();
    // A click that could not be stored has the whole group shown again as the file holds it.
    if (!doc_.clickResult(i, j, ranksKeptByHand())) return;
    showMark(i, j, false);
    showMark(j, i, false);
    showStandings();
}

void GroupTable::showStandings() {
    const bool keepRanks = ranksKeptByHand();
    for (int r = 0; r < kTeamsPerGroup; ++r) {
        const TeamStanding& st = m_.table.standings[r];
        // A team always shows its wins and losses, " 0" included; an empty row only once it has some.
        const bool showBoth = holdsTeam(doc_.shownName(r + 1)) || st.wins + st.losses > 0;
        showText(wins_[r], showBoth ? countText(st.wins, false) : QString());
        showText(losses_[r], showBoth ? countText(st.losses, false) : QString());
        showText(draws_[r], countText(st.draws, true));
        showText(points_[r], countText(st.points, true));
        const QString rank = countText(st.rank, true);
        if (!keepRanks && ranks_[r]->text() != rank) ranks_[r]->setText(rank);
    }
    refreshRankReason();
}

bool GroupTable::ranksKeptByHand() const {
    return junCal_->isChecked();
}

void GroupTable::Edit_JunEnter(int nn) {
    if (s_.refuseWhilePanelOpen()) return;
    s_.help.setManualHint();
    if (!junCal_->isChecked()) junCal_->setChecked(true);
    st_.focusCode = focus::rank(nn);
    FieldEdit* e = ranks_[nn - 1];
    e->setText(fromSjis(trimField(toSjis(e->text()))));
    rankFrames_[nn - 1]->setPenColor(kRed);
    editingRank_ = nn;
}

void GroupTable::storeRank(int nn) {
    FieldEdit* e = ranks_[nn - 1];
    const long value = parseLong(toSjis(e->text()));
    const int rank = value >= 1 && value <= kTeamsPerGroup ? int(value) : 0;
    e->setText(fromSjis(formatCount(rank, 2)));
    // A rank typed into a row without a team is shown but not stored. One that could not be
    // stored gives way to what the file holds.
    if (!doc_.storeRank(nn, rank))
        e->setText(fromSjis(readResultRecord(s_.dir, m_.termSlotIndex, positionNumber(m_.currentGroup - 1, nn - 1))
                                .substr(layouts::offset(layouts::Result, result_field::Rank), 2)));
}

void GroupTable::Edit_JunExit(int nn) {
    // A refused entry did not start an edit, so there is nothing to store.
    if (editingRank_ != nn) return;
    storeRank(nn);
    rankFrames_[nn - 1]->setPenColor(kSilver);
    editingRank_ = 0;
}

void GroupTable::Edit_JunKeyDown(int nn, int key) {
    FieldEdit* e = ranks_[nn - 1];
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            e->setKeyHandled();
            if (editingRank_ == nn) storeRank(nn);
            ranks_[nn % kTeamsPerGroup]->setFocus(Qt::OtherFocusReason);
            break;
        case Qt::Key_Up:
            e->setKeyHandled();
            ranks_[(nn + kTeamsPerGroup - 2) % kTeamsPerGroup]->setFocus(Qt::OtherFocusReason);
            break;
        case Qt::Key_Escape:
            e->setKeyHandled();
            emit s_.commands.toggleCommandPanel();
            break;
        default:
            break;
    }
}

void GroupTable::CheckBox_JunCalEnter() {
    if (s_.refuseWhilePanelOpen()) return;
    s_.help.setManualHint();
    st_.focusCode = focus::RankByHand;
}

bool GroupTable::eventFilter(QObject* watched, QEvent* e) {
    if (watched == junCal_ && e->type() == QEvent::FocusIn) CheckBox_JunCalEnter();
    if (e->type() == QEvent::MouseMove) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->parentWidget() == this)
            pointerMovedTo(w->mapToParent(static_cast<QMouseEvent*>(e)->position().toPoint()));
    }
    return QFrame::eventFilter(watched, e);
}

void GroupTable::mouseMoveEvent(QMouseEvent* e) {
    pointerMovedTo(e->position().toPoint());
    QFrame::mouseMoveEvent(e);
}

void GroupTable::leaveEvent(QEvent* e) {
    reasonHelp_.restore();
    QFrame::leaveEvent(e);
}

int GroupTable::reasonRowOf(QWidget* w) const {
    for (int i = 0; i < kTeamsPerGroup; ++i)
        if (w == ranks_[i] || w == rankFrames_[i] || w == rowNames_[i] || w == nameBoxes_[i]) return i + 1;
    return 0;
}

void GroupTable::showRankReason(int row) {
    const int shown = int(parseLong(toSjis(ranks_[row - 1]->text())));
    const RankExplanation e = explainShownRank(m_.table, doc_.shownNames(), row - 1, shown, ranksKeptByHand());
    if (e.empty()) {
        reasonHelp_.restore();
        return;
    }
    reasonHelp_.show(row, QString::fromStdString(e.line1), QString::fromStdString(e.line2));
}

void GroupTable::refreshRankReason() {
    // Another group, or new ranks, under a pointer that has not moved.
    if (reasonHelp_.showing()) showRankReason(reasonHelp_.row());
}

void GroupTable::pointerMovedTo(const QPoint& pos) {
    QWidget* under = childAt(pos);
    const int reasonRow = reasonRowOf(under);
    // Off the box or label first, so that the table's own help goes on from what it showed.
    if (reasonRow != reasonHelp_.row()) reasonHelp_.restore();
    pointerHelpAt(under);
    if (reasonRow != 0 && reasonRow != reasonHelp_.row()) showRankReason(reasonRow);
}

void GroupTable::pointerHelpAt(QWidget* under) {
    if (resultCells_.contains(under)) {
        if (st_.gridHelpShown == 1) return;
        st_.gridHelpShown = 1;
        s_.help.setPointerHelp(kGridHelp1, kGridHelp2);
    } else if (surroundings_.contains(under)) {
        if (st_.gridHelpShown == 0) return;
        st_.gridHelpShown = 0;
        s_.help.setPointerHelp(QString(), QString());
    }
}
