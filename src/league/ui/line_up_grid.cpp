#include "league/ui/line_up_grid.h"

#include <QLabel>
#include <QPainter>

#include "form/click_label.h"
#include "form/form_colors.h"
#include "form/label_factory.h"
#include "form/selection_frame.h"
#include "form/sjis_text.h"
#include "league/ui/arrow_picture.h"
#include "store/text_ops.h"

using namespace form_colors;

// A cell of a grid: a team name on white (grey beyond the group's count), framed red when
// selected.
class GridCell : public Selectable<ClickLabel> {
public:
    GridCell(QWidget* parent, const QString& name, const QRect& r) : Selectable(parent, name, QString(), r) {
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setIndent(4);
        setCursor(Qt::PointingHandCursor);
    }
};

namespace {

// Panel coordinates.
constexpr int kCaptionLeft = 6, kCaptionWidth = 22;
constexpr int kLeftArrowX = 32, kArrowSize = 26;
constexpr int kGridLeft = 64, kColumnPitch = 176, kColumnWidth = 170;
constexpr int kRightArrowX = kGridLeft + LineUpGrid::kGroupColumns * kColumnPitch;
constexpr int kFifthLeft = kRightArrowX + kArrowSize + 10, kFifthWidth = 150;
constexpr int kHeadHeight = 22, kRowsTop = 26, kRowPitch = 20, kRowHeight = 19;
constexpr int kRowArrowX = kFifthLeft + kFifthWidth + 4;

int columnLeft(int column) {
    return column <= LineUpGrid::kGroupColumns ? kGridLeft + (column - 1) * kColumnPitch : kFifthLeft;
}

int columnWidth(int column) {
    return column <= LineUpGrid::kGroupColumns ? kColumnWidth : kFifthWidth;
}

// The four arrows: where each stands (below the grid's top) and which picture it shows.
struct ArrowPlace {
    LineUpGrid::Scroll scroll;
    int step;
    const char* name;     // Image_Before_<name>
    const char* picture;  // Images/<Zenki|Kouki><picture>_off.jpg
    ArrowPicture::Points points;
    QPoint at;
};
const ArrowPlace kArrows[] = {
    {LineUpGrid::Scroll::Groups,
     -1,
     "Left",
     "Left",
     ArrowPicture::Points::Left,
     {kLeftArrowX, kRowsTop + 4 * kRowPitch}},
    {LineUpGrid::Scroll::Groups,
     1,
     "Right",
     "Right",
     ArrowPicture::Points::Right,
     {kRightArrowX + 4, kRowsTop + 4 * kRowPitch}},
    {LineUpGrid::Scroll::Rows, -1, "Up", "Left", ArrowPicture::Points::Up, {kRowArrowX, kRowsTop}},
    {LineUpGrid::Scroll::Rows,
     1,
     "Down",
     "Right",
     ArrowPicture::Points::Down,
     {kRowArrowX, kRowsTop + kTeamsPerGroup* kRowPitch - kArrowSize - 1}},
};

int arrowIndex(LineUpGrid::Scroll scroll, int step) {
    return (scroll == LineUpGrid::Scroll::Rows ? 2 : 0) + (step < 0 ? 0 : 1);
}

QString vertical(const QString& text) {
    QString out;
    for (const QChar c : text) out += (out.isEmpty() ? QString() : QStringLiteral("\n")) + c;
    return out;
}

}  // namespace

LineUpGrid::LineUpGrid(QWidget* panel, Kind kind, int top, const std::string& images) : QObject(panel), kind_(kind) {
    const bool draft = kind == Kind::Draft;
    const QString pre = draft ? QStringLiteral("Pre") : QStringLiteral("Next");
    const QString countPrefix = draft ? QStringLiteral("Label_PreTeamSuu_") : QStringLiteral("Label_AfterTeamSuu_");

    const QString caption = draft ? QStringLiteral("次節リーグ構成案") : QStringLiteral("修正後次節リーグ構成");
    makeLabel(panel, vertical(caption), QRect(kCaptionLeft, top, kCaptionWidth, kHeight),
              LabelStyle{draft ? 14 : 12, Qt::AlignCenter, kBlack, draft ? kWhite : kGridGrey, true},
              draft ? "Label_PreCaption" : "Label_NextCaption");

    const LabelStyle head{13, Qt::AlignCenter, kBlack, kWhite, true};
    for (int c = 1; c <= kGroupColumns; ++c) {
        const int x = columnLeft(c);
        letters_[c - 1] = makeLabel(panel, QString(), QRect(x, top, 40, kHeadHeight), head,
                                    QStringLiteral("Label_%1TeamBu_%2").arg(pre).arg(c));
        counts_[c - 1] = makeLabel(panel, QString(), QRect(x + 96, top, 26, kHeadHeight),
                                   LabelStyle{13, Qt::AlignRight | Qt::AlignVCenter}, countPrefix + QString::number(c));
        makeLabel(panel, QStringLiteral("チーム"), QRect(x + 124, top, 44, kHeadHeight), LabelStyle{13});
    }
    makeLabel(panel, draft ? QStringLiteral("休止中") : QStringLiteral("休止予定"),
              QRect(kFifthLeft, top, kFifthWidth, kHeadHeight), LabelStyle{13, Qt::AlignCenter, kBlack, kSilver, true});

    for (int c = 1; c <= kColumns; ++c)
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            const QRect rect(columnLeft(c), top + kRowsTop + r * kRowPitch, columnWidth(c), kRowHeight);
            auto* cell =
                new GridCell(panel, QString::asprintf("Label_%sTeamName_%d_%02d", qPrintable(pre), c, r + 1), rect);
            cells_[c - 1][r] = cell;
            connect(cell, &ClickLabel::clicked, this, [this, c, r] { emit cellClicked(c, r); });
        }

    const QString zenkiKouki = draft ? QStringLiteral("Zenki") : QStringLiteral("Kouki");
    const QString imageName = draft ? QStringLiteral("Image_Before_") : QStringLiteral("Image_After_");
    for (const ArrowPlace& place : kArrows) {
        const std::string file = images + "/" + (zenkiKouki + place.picture).toStdString();
        auto* a = new ArrowPicture(panel, imageName + place.name,
                                   QRect(place.at + QPoint(0, top), QSize(kArrowSize, kArrowSize)), place.points,
                                   file + "_off.jpg", file + "_on.jpg");
        arrows_[arrowIndex(place.scroll, place.step)] = a;
        const Scroll scroll = place.scroll;
        const int step = place.step;
        connect(a, &ArrowPicture::pressed, this, [this, scroll, step] { emit arrowPressed(scroll, step); });
        connect(a, &ArrowPicture::released, this, [this, scroll, step] { emit arrowReleased(scroll, step); });
        connect(a, &ArrowPicture::clicked, this, [this, scroll, step] { emit arrowClicked(scroll, step); });
    }
}

ArrowPicture* LineUpGrid::arrow(Scroll scroll, int step) const {
    return arrows_[arrowIndex(scroll, step)];
}

int LineUpGrid::slotOf(const Window& w, int column, int row) {
    if (column == kColumns) return kSuspendedColumn + int(w.rows.top()) + row;
    return (int(w.groups.top()) + column - 1) * kTeamsPerGroup + row;
}

void LineUpGrid::show(const Contents& c, const Window& w, int selectedSlot) {
    for (int col = 1; col <= kColumns; ++col) {
        const int g = int(w.groups.top()) + col - 1;
        const bool group = col <= kGroupColumns;
        if (group) {
            letters_[col - 1]->setText(fromSjis(trimField(c.model->groupLetters(g))));
            const int count = (*c.counts)[g];
            counts_[col - 1]->setText(QString::number(count));
        }
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            GridCell* cell = cells_[col - 1][r];
            const int slot = slotOf(w, col, r);
            const QString text = fromSjis(trimField(c.names->name((*c.teams)[slot])));
            if (cell->text() != text) cell->setText(text);
            const bool inGroup = !group || r < (*c.counts)[g];
            cell->setBackgroundColor(inGroup ? kWhite : kGridGrey);
            cell->setSelected(slot == selectedSlot);
        }
    }
}
