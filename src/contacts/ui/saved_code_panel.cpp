#include "contacts/ui/saved_code_panel.h"

#include <QFrame>
#include <QLabel>

#include "contacts/saved_postal_codes.h"
#include "form/click_label.h"
#include "form/fonts.h"
#include "form/form_colors.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"

using namespace form_colors;

namespace {

constexpr int kLeft = 420, kTop = 90, kWidth = 330;
constexpr int kRowTop = 30, kPitch = 17;
constexpr int kFooterTop = kRowTop + SavedCodePanel::kRows * kPitch + 4;
constexpr int kHeight = kFooterTop + 26;

const QColor kTeal = fromFormColor(8421376);  // 0,128,128

}  // namespace

SavedCodePanel::SavedCodePanel(QWidget* form, FormServices& services)
    : QObject(form),
      ScreenArea(services),
      panel_(makeOverlayPanel(form, "Panel_MyZip", QRect(kLeft, kTop, kWidth, kHeight))) {
    makeLabel(panel_, QStringLiteral("すでに登録済みの郵便番号"), QRect(10, 6, kWidth - 20, 20),
              LabelStyle{14, Qt::AlignLeft | Qt::AlignVCenter, kBlue, QColor(), true});
    buildRows();
    buildArrows();
}

void SavedCodePanel::buildRows() {
    QFont f(fonts::kGothic);
    f.setPixelSize(15);
    for (int r = 1; r <= kRows; ++r) {
        const int y = kRowTop + kPitch * (r - 1);
        codes_[r - 1] = new ClickLabel(panel_, controlName("Label_MyZip_", r), QString(), QRect(10, y, 72, kPitch));
        addresses_[r - 1] =
            new ClickLabel(panel_, controlName("Label_MyZipAdr_", r), QString(), QRect(84, y, kWidth - 94, kPitch));
        for (ClickLabel* l : {codes_[r - 1], addresses_[r - 1]}) {
            l->setFont(f);
            l->setCursor(Qt::PointingHandCursor);
            connect(l, &ClickLabel::clicked, this, [this, r] { Label_MyZipClick(r); });
        }
    }
}

void SavedCodePanel::buildArrows() {
    QFont f(fonts::kGothic);
    f.setPixelSize(18);
    up_ = new ClickLabel(panel_, "Label_Panel_MyZipUp", QStringLiteral("▲"), QRect(12, kFooterTop, 24, 22));
    down_ = new ClickLabel(panel_, "Label_Panel_MyZipDown", QStringLiteral("▼"), QRect(42, kFooterTop, 24, 22));
    for (ClickLabel* arrow : {up_, down_}) {
        arrow->setFont(f);
        arrow->setAlignment(Qt::AlignCenter);
        arrow->setTextColor(kTeal);
        arrow->setCursor(Qt::PointingHandCursor);
        // Red while the button is held, teal again when it is let go.
        connect(arrow, &ClickLabel::pressed, this, [arrow] { arrow->setTextColor(kRed); });
        connect(arrow, &ClickLabel::released, this, [arrow] { arrow->setTextColor(kTeal); });
    }
    connect(up_, &ClickLabel::clicked, this, &SavedCodePanel::Label_Panel_MyZipUpClick);
    connect(down_, &ClickLabel::clicked, this, &SavedCodePanel::Label_Panel_MyZipDownClick);

    const LabelStyle number{14, Qt::AlignRight | Qt::AlignVCenter};
    nowPage_ = makeLabel(panel_, QString(), QRect(kWidth - 96, kFooterTop, 34, 22), number, "Label_Panel_MyZipNowPage");
    makeLabel(panel_, QStringLiteral("/"), QRect(kWidth - 60, kFooterTop, 14, 22), LabelStyle{14, Qt::AlignCenter});
    maxPage_ = makeLabel(panel_, QString(), QRect(kWidth - 44, kFooterTop, 34, 22),
                         LabelStyle{14, Qt::AlignLeft | Qt::AlignVCenter}, "Label_Panel_MyZipMaxPage");
}

void SavedCodePanel::open() {
    const int count = doc_.countSavedCodes();
    if (count <= 0) return;
    pager_ = SavedCodePager(count);
    showPage();
    raisePanel(panel_);
}

void SavedCodePanel::close() {
    panel_->hide();
}

bool SavedCodePanel::isOpen() const {
    return panel_->isVisible();
}

void SavedCodePanel::showPage() {
    rows_ = readSavedCodePage(s_.dir, pager_.savedPageTop());
    for (int r = 0; r < kRows; ++r) {
        codes_[r]->setText(fromSjis(rows_[r].code));
        addresses_[r]->setText(fromSjis(rows_[r].address));
    }
    nowPage_->setText(QString::number(pager_.currentPage()));
    maxPage_->setText(QString::number(pager_.pageCount()));
}

void SavedCodePanel::Label_Panel_MyZipUpClick() {
    if (pager_.pageUp()) showPage();
}

void SavedCodePanel::Label_Panel_MyZipDownClick() {
    if (pager_.pageDown()) showPage();
}

void SavedCodePanel::Label_MyZipClick(int r) {
    if (!isOpen()) return;
    if (auto code = chosenSavedCode(rows_[r - 1])) emit codeChosen(fromSjis(*code));
    close();
}
