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
constexpr int kFifthLeft = kRightArrowX + kArrowSize + 10;
constexpr int kHeadHeight = 22, kRowsTop = 26, kRowPitch = 20, kRowHeight = 19;

int columnLeft(int column) {
    return column <= LineUpGrid::kGroupColumns ? kGridLeft + (column - 1) * kColumnPitch : kFifthLeft;
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
              QRect(kFifthLeft, top, kColumnWidth, kHeadHeight),
              LabelStyle{13, Qt::AlignCenter, kBlack, kSilver, true});

    for (int c = 1; c <= kColumns; ++c)
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            const QRect rect(columnLeft(c), top + kRowsTop + r * kRowPitch, kColumnWidth, kRowHeight);
            auto* cell =
                new GridCell(panel, QString::asprintf("Label_%sTeamName_%d_%02d", qPrintable(pre), c, r + 1), rect);
            cells_[c - 1][r] = cell;
            connect(cell, &ClickLabel::clicked, this, [this, c, r] { emit cellClicked(c, r); });
        }

    const QString zenkiKouki = draft ? QStringLiteral("Zenki") : QStringLiteral("Kouki");
    const QString imageName = draft ? QStringLiteral("Image_Before_") : QStringLiteral("Image_After_");
    const int arrowTop = top + kRowsTop + 4 * kRowPitch;
    for (int step : {-1, 1}) {
        const QString side = step < 0 ? QStringLiteral("Left") : QStringLiteral("Right");
        const std::string file = images + "/" + (zenkiKouki + side).toStdString();
        auto* a = new ArrowPicture(
            panel, imageName + side, QRect(step < 0 ? kLeftArrowX : kRightArrowX + 4, arrowTop, kArrowSize, kArrowSize),
            step < 0 ? ArrowPicture::Points::Left : ArrowPicture::Points::Right, file + "_off.jpg", file + "_on.jpg");
        (step < 0 ? left_ : right_) = a;
        connect(a, &ArrowPicture::pressed, this, [this, step] { emit arrowPressed(step); });
        connect(a, &ArrowPicture::released, this, [this, step] { emit arrowReleased(step); });
        connect(a, &ArrowPicture::clicked, this, [this, step] { emit arrowClicked(step); });
    }
}

int LineUpGrid::slotOf(int firstGroup, int column, int row) {
    if (column == kColumns) return kSuspendedColumn + row;
    return (firstGroup + column - 1) * kTeamsPerGroup + row;
}

void LineUpGrid::show(const Contents& c, int firstGroup, int selectedSlot) {
    for (int col = 1; col <= kColumns; ++col) {
        const int g = firstGroup + col - 1;
        const bool group = col <= kGroupColumns;
        if (group) {
            const std::string letters = c.groupBlock->substr(std::size_t(2 * g), 2);
            letters_[col - 1]->setText(fromSjis(trimField(letters)));
            const int count = (*c.counts)[g];
            counts_[col - 1]->setText(QString::number(count));
        }
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            GridCell* cell = cells_[col - 1][r];
            const int slot = slotOf(firstGroup, col, r);
            const QString text = fromSjis(trimField(c.names->name((*c.teams)[slot])));
            if (cell->text() != text) cell->setText(text);
            const bool inGroup = !group || r < (*c.counts)[g];
            cell->setBackgroundColor(inGroup ? kWhite : kGridGrey);
            cell->setSelected(slot == selectedSlot);
        }
    }
}
