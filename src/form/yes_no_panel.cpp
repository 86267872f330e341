#include "form/yes_no_panel.h"

#include <QFrame>
#include <QLabel>

#include "form/choice_buttons.h"
#include "form/form_colors.h"
#include "form/form_services.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"

namespace {
constexpr int kYes = 0, kNo = 1;
constexpr int kButtonWidth = 120, kButtonHeight = 30, kMargin = 16;
constexpr int kNoteTop = 12, kNotePitch = 22;
}  // namespace

YesNoPanel::YesNoPanel(QWidget* parent, const QString& stem, const QRect& geometry, FormServices& services,
                       int focusCode)
    : QObject(parent), stem_(stem), s_(&services), focusCode_(focusCode) {
    build(parent, geometry);
    keyBox_ = new HiddenKeyBox(panel_, QStringLiteral("Edit_") + stem + QStringLiteral("CommandChoose"));
    s_->focus.add(focusCode, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, [this] {
        s_->state.focusCode = focusCode_;
        s_->help.setHelp(
            QStringLiteral("[←][→]で「はい」「いいえ」を選び[Enter]キーを押してください．[F1]キーは「はい」です．"),
            QStringLiteral("[F9]キーまたは[ESC]キーで「いいえ」と答えます．"));
    });
    keyBox_->handKeysTo(this, &YesNoPanel::handleKey);
}

YesNoPanel::YesNoPanel(QWidget* parent, const QString& stem, const QRect& geometry) : QObject(parent), stem_(stem) {
    build(parent, geometry);
}

void YesNoPanel::build(QWidget* parent, const QRect& geometry) {
    // Clicks anywhere else wait for the answer: a see-through cover over the whole parent.
    shield_ = new QWidget(parent);
    shield_->setGeometry(parent->rect());
    shield_->hide();
    panel_ = makeRaisedPanel(parent, QStringLiteral("Panel_") + stem_, geometry, form_colors::kPanelYellow);

    const QString label = QStringLiteral("Label_") + stem_;
    question_ = makeLabel(panel_, QString(), QRect(), LabelStyle{14, Qt::AlignLeft | Qt::AlignTop}, label);
    question_->setWordWrap(true);
    const int w = geometry.width(), buttonsTop = geometry.height() - kButtonHeight - kMargin;
    const int gap = (w - 2 * kButtonWidth) / 3;
    choices_ = new ChoiceButtons(panel_, {{label + "_F1", "F1", label + "_F1_Msg", QStringLiteral("はい"),
                                           QRect(gap, buttonsTop, kButtonWidth, kButtonHeight)},
                                          {label + "_F9", "F9", label + "_F9_Msg", QStringLiteral("いいえ"),
                                           QRect(2 * gap + kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight)}});
    choices_->setDimmedTextColor(form_colors::kGray);
    connect(choices_, &ChoiceButtons::chosen, this, [this](int i) { answer(i == kYes); });
}

// A plain question fills the panel above the buttons; notes stand one to a line above a
// question that stands out.
void YesNoPanel::layOut(const QStringList& notes) {
    const int w = panel_->width(), buttonsTop = panel_->height() - kButtonHeight - kMargin;
    for (int i = int(notes_.size()); i < notes.size(); ++i)
        notes_.push_back(makeLabel(panel_, QString(), QRect(kMargin, kNoteTop + kNotePitch * i, w - 2 * kMargin, 20),
                                   LabelStyle{13, Qt::AlignCenter},
                                   QStringLiteral("Label_%1Msg_%2").arg(stem_).arg(i + 1)));
    for (std::size_t i = 0; i < notes_.size(); ++i)
        notes_[i]->setText(int(i) < notes.size() ? notes[int(i)] : QString());

    QFont f = question_->font();
    QPalette p = question_->palette();
    if (notes.isEmpty()) {
        question_->setGeometry(kMargin, kMargin, w - 2 * kMargin, buttonsTop - 2 * kMargin);
        question_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        f.setPixelSize(14);
        f.setBold(false);
        p.setColor(QPalette::WindowText, form_colors::kBlack);
    } else {
        question_->setGeometry(kMargin, kNoteTop + kNotePitch * int(notes.size()) + 6, w - 2 * kMargin, 24);
        question_->setAlignment(Qt::AlignCenter);
        f.setPixelSize(15);
        f.setBold(true);
        p.setColor(QPalette::WindowText, form_colors::kRed);
    }
    question_->setFont(f);
    question_->setPalette(p);
}

void YesNoPanel::ask(const QString& question, const QStringList& notes) {
    layOut(notes);
    question_->setText(question);
    choices_->select(kNo);
    shield_->raise();
    shield_->show();
    panel_->raise();
    panel_->show();
    if (!keyBox_) return;
    s_->state.focusCode = focusCode_;
    keyBox_->setFocus(Qt::OtherFocusReason);
}

bool YesNoPanel::isOpen() const {
    return panel_->isVisible();
}

void YesNoPanel::handleKey(int key) {
    if (!isOpen()) return;
    if (key == Qt::Key_Escape)
        answer(false);
    else
        choices_->handleKey(key);
}

void YesNoPanel::close() {
    if (keyBox_ && keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
    shield_->hide();
}

void YesNoPanel::answer(bool yes) {
    if (!isOpen()) return;
    close();
    emit answered(yes);
}
