#include "contacts/ui/progress_panel.h"

#include <QFrame>
#include <QLabel>

#include "form/form_colors.h"
#include "form/label_factory.h"

namespace {
constexpr int kLeft = 394, kTop = 152, kWidth = 232, kHeight = 96;
}  // namespace

ProgressPanel::ProgressPanel(QWidget* form, FormServices& services)
    : QObject(form),
      ScreenArea(services),
      panel_(makeOverlayPanel(form, "Panel_Syoricyuu", QRect(kLeft, kTop, kWidth, kHeight))) {
    const LabelStyle text{13};
    const LabelStyle number{13, Qt::AlignRight | Qt::AlignVCenter};
    makeLabel(panel_, QStringLiteral("しばらくお待ちください"), QRect(12, 10, 208, 20),
              LabelStyle{15, Qt::AlignHCenter | Qt::AlignVCenter, form_colors::kBlue});
    makeLabel(panel_, QStringLiteral("処理数・・・・・・・"), QRect(12, 40, 120, 18), text);
    nowSyori_ = makeLabel(panel_, QStringLiteral("1"), QRect(132, 40, 36, 18), number, "Label_NowSyori");
    makeLabel(panel_, QStringLiteral("／"), QRect(170, 40, 14, 18), text);
    syorisuu_ = makeLabel(panel_, QStringLiteral("1"), QRect(184, 40, 36, 18), number, "Label_Syorisuu");
    makeLabel(panel_, QStringLiteral("内部処理中・・・"), QRect(12, 64, 120, 18), text);
    ritu_ = makeLabel(panel_, QStringLiteral("0"), QRect(132, 64, 52, 18), number, "Label_Ritu");
    makeLabel(panel_, QStringLiteral("％"), QRect(186, 64, 20, 18), text);
}

void ProgressPanel::show() {
    nowSyori_->setText(QStringLiteral("1"));
    syorisuu_->setText(QStringLiteral("1"));
    ritu_->setText(QStringLiteral("0"));
    panel_->raise();
    panel_->show();
    panel_->repaint();
    sinceRepaint_.start();
}

void ProgressPanel::hide() {
    panel_->hide();
}

bool ProgressPanel::isVisible() const {
    return panel_->isVisible();
}

void ProgressPanel::showPercent(int percent) {
    // A scan of a few milliseconds would spend most of them painting every percent; the eye
    // needs a new figure only every so often.
    ritu_->setText(QString::number(percent));
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintEvery) return;
    ritu_->repaint();
    sinceRepaint_.start();
}
