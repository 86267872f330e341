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
}  // namespace

YesNoPanel::YesNoPanel(QWidget* parent, const QString& stem, const QRect& geometry, FormServices& services,
                       int focusCode)
    : QObject(parent), s_(services), focusCode_(focusCode) {
    // Clicks anywhere else wait for the answer: a see-through cover over the whole parent.
    shield_ = new QWidget(parent);
    shield_->setGeometry(parent->rect());
    shield_->hide();
    panel_ = new QFrame(parent);
    panel_->setObjectName(QStringLiteral("Panel_") + stem);
    panel_->setGeometry(geometry);
    panel_->setFrameShape(QFrame::Panel);
    panel_->setFrameShadow(QFrame::Raised);
    panel_->setAutoFillBackground(true);
    setWidgetColours(panel_, QColor(), form_colors::fromFormColor(15794175));
    panel_->hide();

    const int w = geometry.width(), buttonsTop = geometry.height() - kButtonHeight - kMargin;
    question_ = makeLabel(panel_, QString(), QRect(kMargin, kMargin, w - 2 * kMargin, buttonsTop - 2 * kMargin),
                          LabelStyle{14, Qt::AlignLeft | Qt::AlignTop}, QStringLiteral("Label_") + stem);
    question_->setWordWrap(true);
    const QString label = QStringLiteral("Label_") + stem;
    const int gap = (w - 2 * kButtonWidth) / 3;
    choices_ = new ChoiceButtons(panel_, {{label + "_F1", "F1", label + "_F1_Msg", QStringLiteral("はい"),
                                           QRect(gap, buttonsTop, kButtonWidth, kButtonHeight)},
                                          {label + "_F9", "F9", label + "_F9_Msg", QStringLiteral("いいえ"),
                                           QRect(2 * gap + kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight)}});
    choices_->setDimmedTextColor(form_colors::kGray);
    connect(choices_, &ChoiceButtons::chosen, this, [this](int i) { answer(i == kYes); });

    keyBox_ = new HiddenKeyBox(panel_, QStringLiteral("Edit_") + stem + QStringLiteral("CommandChoose"));
    s_.focus.add(focusCode, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, [this] {
        s_.state.focusCode = focusCode_;
        s_.help.setHelp(
            QStringLiteral("[←][→]で「はい」「いいえ」を選び[Enter]キーを押してください．[F1]キーは「はい」です．"),
            QStringLiteral("[F9]キーまたは[ESC]キーで「いいえ」と答えます．"));
    });
    connect(keyBox_, &FieldEdit::keyDown, this, [this](int key, Qt::KeyboardModifiers) {
        keyBox_->setKeyHandled();
        if (key == Qt::Key_Escape)
            answer(false);
        else
            choices_->handleKey(key);
    });
}

void YesNoPanel::ask(const QString& question) {
    question_->setText(question);
    choices_->select(kNo);
    shield_->raise();
    shield_->show();
    panel_->raise();
    panel_->show();
    s_.state.focusCode = focusCode_;
    keyBox_->setFocus(Qt::OtherFocusReason);
}

bool YesNoPanel::isOpen() const {
    return panel_->isVisible();
}

void YesNoPanel::answer(bool yes) {
    if (!isOpen()) return;
    if (keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
    shield_->hide();
    emit answered(yes);
}
