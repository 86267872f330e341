#include "contacts/ui/zip_result_panel.h"

#include <QFrame>
#include <QLabel>

#include "form/click_label.h"
#include "form/focus_codes.h"
#include "form/fonts.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/pager_keys.h"
#include "form/sjis_text.h"
#include "store/text_ops.h"

using namespace form_colors;
using postal::ResultPager;

namespace {

constexpr int kLeft = 159, kTop = 144, kWidth = 680, kHeight = 438;
constexpr int kRowHeight = 17;
constexpr int kTrackLeft = 656, kTrackWidth = 16;
// A business's own code stands apart from the address areas around it.
const QColor kBusinessText(0, 0, 160);

// Rows share the thumb's track: row k starts where k twentieths of the track start.
int rowTop(int k) {
    return ResultPager::kTrackTop + ResultPager::kTrackHeight * k / ResultPager::kRows;
}

// The four visible columns of a row: code, prefecture, city, town.
struct Column {
    const char* name;
    int x, width;
};
const Column kColumns[4] = {
    {"Label_ZipCode_", 14, 68},
    {"Label_Address1_", 96, 64},
    {"Label_Address2_", 162, 150},
    {"Label_Address3_", 314, 334},
};

}  // namespace

ZipResultPanel::ZipResultPanel(QWidget* form, FormServices& services)
    : QObject(form),
      ScreenArea(services),
      panel_(makeOverlayPanel(form, "Panel_ZipSearch", QRect(kLeft, kTop, kWidth, kHeight))) {
    makeLabel(panel_, QStringLiteral("検索結果"), QRect(12, 12, 200, 24),
              LabelStyle{16, Qt::AlignLeft | Qt::AlignVCenter, QColor(), QColor(), true});
    makeLabel(panel_,
              QStringLiteral("[ ↑ ][ ↓ ] で行移動  [ PageUp ][ PageDown ] でページ切換  [ Enter ] または クリック "
                             "で決定   [ ESC ] で選択しないで中止"),
              QRect(12, rowTop(kRows) + 10, kWidth - 24, 18), LabelStyle{12});
    track_ = new FramedShape(panel_, "Shape_ZipSearch_Gaitou",
                             QRect(kTrackLeft, ResultPager::kTrackTop, kTrackWidth, ResultPager::kTrackHeight), kSilver,
                             kWhite);
    thumb_ = new FramedShape(panel_, "Shape_ZipSearch_Disp",
                             QRect(kTrackLeft + 2, ResultPager::kTrackTop, kTrackWidth - 4, ResultPager::kTrackHeight),
                             kGray, kSilver);
    buildRows();

    keyBox_ = new HiddenKeyBox(panel_, "Edit_ZipChoose");
    s_.focus.add(focus::ZipChooseKey, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, &ZipResultPanel::Edit_ZipChooseEnter);
    keyBox_->handKeysTo(this, &ZipResultPanel::Edit_ZipChooseKeyDown);
}

void ZipResultPanel::buildRows() {
    QFont f(fonts::kGothic);
    f.setPixelSize(14);
    for (int k = 1; k <= kRows; ++k) {
        Row& row = rows_[k - 1];
        const int y = rowTop(k - 1);
        row.codeFrame = new FramedShape(panel_, controlName("Shape_ZipSearch_", k), QRect(10, y, 78, kRowHeight + 1),
                                        kSilver, kWhite);
        row.addressFrame = new FramedShape(panel_, controlName("ShapeShape_AdrSearch_", k),
                                           QRect(92, y, kTrackLeft - 96, kRowHeight + 1), kSilver, kWhite);
        for (int c = 0; c < 4; ++c) {
            auto* l = new ClickLabel(panel_, controlName(kColumns[c].name, k), QString(),
                                     QRect(kColumns[c].x, y + 1, kColumns[c].width, kRowHeight - 1));
            l->setFont(f);
            l->setCursor(Qt::PointingHandCursor);
            connect(l, &ClickLabel::clicked, this, [this, k] { Label_ZipSearchClick(k); });
            row.labels[c] = l;
        }
        // The business name lies to the right of the panel's visible part.
        row.business = makeLabel(panel_, QString(), QRect(kWidth + 8, y, 400, kRowHeight), LabelStyle{},
                                 controlName("Label_Kaisyamei_", k));
        row.business->setFont(f);
    }
}

void ZipResultPanel::open(postal::MatchList matches) {
    matches_ = std::move(matches);
    pager_ = ResultPager(matches_.count());
    thumb_->setGeometry(thumb_->x(), pager_.thumbTop(), thumb_->width(), pager_.thumbHeight());
    raisePanel(panel_);
    st_.panelOpen = 1;
    fillPage();
    highlight();
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void ZipResultPanel::close() {
    for (Row& row : rows_) {
        row.codeFrame->setPenColor(kSilver);
        row.addressFrame->setPenColor(kSilver);
    }
    st_.panelOpen = 0;
    // Take the focus out before hiding, or Qt would hand it to some other field.
    if (keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
}

bool ZipResultPanel::isOpen() const {
    return panel_->isVisible();
}

postal::PostalDictRecord ZipResultPanel::highlightedRecord() const {
    const int r = pager_.resultRow();
    return r < int(page_.size()) ? page_[r] : postal::blankRecord();
}

void ZipResultPanel::fillPage() {
    page_ = postal::readPostalPage(s_.dir, matches_, pager_.resultPageTop(), kRows);
    for (int k = 0; k < kRows; ++k) {
        const postal::PostalDictRecord rec = k < int(page_.size()) ? page_[k] : postal::blankRecord();
        const std::string texts[4] = {trimField(rec.code), trimField(rec.prefecture), trimField(rec.city),
                                      postal::shownTown(rec)};
        Row& row = rows_[k];
        for (int c = 0; c < 4; ++c) row.labels[c]->setText(fromSjis(texts[c]));
        row.labels[3]->setTextColor(rec.isBusiness() ? kBusinessText : kBlack);
        row.business->setText(fromSjis(trimField(rec.business)));
    }
}

void ZipResultPanel::highlight() {
    for (int k = 0; k < kRows; ++k) {
        const QColor pen = k == pager_.resultRow() ? kRed : kSilver;
        rows_[k].codeFrame->setPenColor(pen);
        rows_[k].addressFrame->setPenColor(pen);
    }
}

void ZipResultPanel::moveThumb() {
    thumb_->move(thumb_->x(), pager_.thumbTop());
}

void ZipResultPanel::Edit_ZipChooseEnter() {
    st_.focusCode = focus::ZipChooseKey;
    s_.help.setHelp(QStringLiteral("[↑][↓]で住所を選択して[Enter]キーを押します。"),
                    QStringLiteral("*「ESC」で何も選択せず検索結果パネルを閉じます。"));
}

void ZipResultPanel::Edit_ZipChooseKeyDown(int key) {
    if (const PagerKey paged = pageByKey(pager_, key); paged.handled) {
        if (paged.moved) fillPage();
        highlight();
        moveThumb();
        return;
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (pager_.rowHasResult(pager_.resultRow())) emit closing(true);
            return;
        case Qt::Key_Escape:
            emit closing(false);
            return;
        default:
            return;
    }
}

void ZipResultPanel::Label_ZipSearchClick(int k) {
    if (!isOpen() || !pager_.click(k - 1)) return;
    highlight();
    emit closing(true);
}
