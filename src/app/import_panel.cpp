#include "app/import_panel.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>

#include "contacts/postal_cities.h"
#include "form/choice_buttons.h"
#include "form/click_label.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/framed_shape.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/pager_keys.h"
#include "form/selection_frame.h"
#include "league/import_writing.h"
#include "standings/term_choice.h"
#include "store/sjis.h"
#include "store/text_encoding.h"

using namespace form_colors;

// The frame of a refused row: white, framed red when highlighted.
class ImportRowFrame : public Selectable<FramedShape> {
public:
    using Selectable::Selectable;
};

namespace {

// Over the command panel, which stays open beneath; the help memo beside it stays in sight.
const QRect kPanel(form_layout::kCommandPanel, QSize(760, 600));
constexpr int kMargin = 16, kInner = 760 - 2 * kMargin;
constexpr int kGroupsTop = 104, kGroupPitch = 18, kGroupColumnWidth = 360;
constexpr int kRefusedTop = 314, kRowPitch = 26, kRowHeight = 24, kRowLeft = 20, kRowWidth = 700;
constexpr int kRowNumberWidth = 80;
constexpr int kReasonTop = kRefusedTop + ImportPanel::kRefusedRows * kRowPitch + 4, kReasonLines = 3;
constexpr int kButtonsTop = 558, kButtonWidth = 160, kButtonHeight = 30;
constexpr int kYes = 0, kNo = 1;

// "級・部ごとのチーム（平成38年 後期に取り込みます）": the teams go into the term on screen.
QString targetText(const TermName& t) {
    const QString term = t.year == 0 ? QStringLiteral("表示中の節")
                                     : QStringLiteral("平成%1年 %2").arg(t.year).arg(t.half == 1 ? "後期" : "前期");
    return QStringLiteral("級・部ごとのチーム（%1に取り込みます）").arg(term);
}

QString rowText(int row) {
    return QStringLiteral("%1行目").arg(row);
}

// "A級 1部　追加 3　更新 1", with the teams the file gives nothing new for when there are any.
QString groupText(const ImportGroupCount& g) {
    QString text = QStringLiteral("%1　追加 %2　更新 %3").arg(QString::fromUtf8(g.name)).arg(g.added).arg(g.updated);
    if (g.unchanged > 0) text += QStringLiteral("　変更なし %1").arg(g.unchanged);
    return text;
}

QLabel* heading(QWidget* parent, const QString& text, int top, const char* name = nullptr) {
    return makeLabel(parent, text, QRect(kMargin, top, kInner, 18),
                     LabelStyle{13, Qt::AlignLeft | Qt::AlignVCenter, kGray},
                     name ? QString::fromLatin1(name) : QString());
}

// A strip of F-key choices that can be hidden as one.
QWidget* buttonStrip(QWidget* panel) {
    auto* strip = new QWidget(panel);
    strip->setGeometry(0, kButtonsTop, kPanel.width(), kButtonHeight);
    return strip;
}

ChoiceButtons::Choice choice(const char* key, const QString& caption, int x) {
    const QString name = QStringLiteral("Label_Import_") + QLatin1String(key);
    return {name, QLatin1String(key), name + QStringLiteral("_Msg"), caption, QRect(x, 0, kButtonWidth, kButtonHeight)};
}

}  // namespace

QString ImportPanel::chooseWithFileDialog(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("CSV取込"), folder, QStringLiteral("CSV (*.csv *.txt)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.resize(760, 480);  // the names and dates of a folder of spreadsheets whole
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().front();
}

ImportPanel::ImportPanel(QWidget* form, FormServices& services)
    : QObject(form),
      ScreenArea(services),
      form_(form),
      panel_(makeOverlayPanel(form, "Panel_Import", kPanel)),
      chooser_(&ImportPanel::chooseWithFileDialog) {
    QFrame* p = panel_;
    makeLabel(p, QStringLiteral("CSV取込"), QRect(kMargin, 10, 300, 24),
              LabelStyle{18, Qt::AlignLeft | Qt::AlignVCenter, QColor(), QColor(), true});
    summary_ = makeLabel(p, QString(), QRect(kPanel.width() - 420, 12, 420 - kMargin, 22),
                         LabelStyle{14, Qt::AlignRight | Qt::AlignVCenter}, "Label_ImportSummary");
    file_ = makeLabel(p, QString(), QRect(kMargin, 40, 500, 18), LabelStyle{13}, "Label_ImportFile");
    encoding_ = makeLabel(p, QString(), QRect(kMargin + 510, 40, kInner - 510, 18),
                          LabelStyle{13, Qt::AlignRight | Qt::AlignVCenter}, "Label_ImportEncoding");
    unusedColumns_ = makeLabel(p, QString(), QRect(kMargin, 60, kInner, 18),
                               LabelStyle{13, Qt::AlignLeft | Qt::AlignVCenter, kGray}, "Label_ImportUnusedColumns");
    target_ = heading(p, QString(), 84, "Label_ImportTarget");
    buildGroupTable();
    refusedCount_ = heading(p, QString(), kRefusedTop - 22, "Label_ImportRefusedDs");
    buildRefusedRows();
    reason_ = makeLabel(p, QString(), QRect(kRowLeft, kReasonTop, kRowWidth, kReasonLines * 17),
                        LabelStyle{13, Qt::AlignLeft | Qt::AlignTop}, "Label_ImportReason");
    reason_->setWordWrap(true);
    buildButtons();

    keyBox_ = new HiddenKeyBox(p, "Edit_ImportChoose");
    s_.focus.add(focus::ImportKey, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, &ImportPanel::Edit_ImportChooseEnter);
    keyBox_->handKeysTo(this, &ImportPanel::Edit_ImportChooseKeyDown);
    connect(&s_.commands, &FormCommands::importFile, this, &ImportPanel::open);
}

void ImportPanel::buildGroupTable() {
    for (int i = 0; i < 2 * kGroupRows; ++i) {
        const QRect r(kRowLeft + (i / kGroupRows) * kGroupColumnWidth, kGroupsTop + (i % kGroupRows) * kGroupPitch,
                      kGroupColumnWidth - 10, kGroupPitch);
        groups_[i] = makeLabel(panel_, QString(), r, LabelStyle{14}, controlName("Label_ImportGroup_", i + 1));
    }
    // Why nothing can be taken, in place of the table.
    status_ = makeLabel(panel_, QString(), QRect(kRowLeft, kGroupsTop, kRowWidth, 60),
                        LabelStyle{15, Qt::AlignLeft | Qt::AlignTop, kRed, QColor(), true}, "Label_ImportStatus");
    status_->setWordWrap(true);
}

void ImportPanel::buildRefusedRows() {
    for (int i = 0; i < kRefusedRows; ++i) {
        const QRect r(kRowLeft, kRefusedTop + kRowPitch * i, kRowWidth, kRowHeight);
        frames_[i] = new ImportRowFrame(panel_, controlName("Shape_ImportRefused_", i + 1), r, kSilver, kWhite);
        const QRect cells[2] = {
            QRect(r.x() + 8, r.y() + 2, kRowNumberWidth - 8, r.height() - 4),
            QRect(r.x() + kRowNumberWidth, r.y() + 2, r.width() - kRowNumberWidth - 6, r.height() - 4)};
        const char* names[2] = {"Label_ImportRefusedRow_", "Label_ImportRefusedReason_"};
        for (int c = 0; c < 2; ++c) {
            auto* cell = new ClickLabel(panel_, controlName(QString::fromLatin1(names[c]), i + 1), QString(), cells[c]);
            QFont f = cell->font();
            f.setPixelSize(14);
            cell->setFont(f);
            connect(cell, &ClickLabel::clicked, this, [this, i] { Label_ImportRefusedClick(i); });
            cells_[i][c] = cell;
        }
    }
    for (int i = 0; i < 2; ++i)
        more_[i] =
            makeLabel(panel_, QString(),
                      QRect(kRowLeft + kRowWidth + 4, kRefusedTop + i * (kRefusedRows - 1) * kRowPitch, 20, kRowHeight),
                      LabelStyle{12, Qt::AlignCenter, kGray}, i == 0 ? "Label_ImportUp" : "Label_ImportDown");
}

void ImportPanel::buildButtons() {
    const int gap = (kPanel.width() - 2 * kButtonWidth) / 3;
    askBox_ = buttonStrip(panel_);
    ask_ = new ChoiceButtons(askBox_, {choice("F1", QStringLiteral("取り込む"), gap),
                                       choice("F9", QStringLiteral("やめる"), 2 * gap + kButtonWidth)});
    closeBox_ = buttonStrip(panel_);
    closeOnly_ = new ChoiceButtons(closeBox_,
                                   {{"Label_ImportClose_F9", "F9", "Label_ImportClose_F9_Msg", QStringLiteral("閉じる"),
                                     QRect((kPanel.width() - kButtonWidth) / 2, 0, kButtonWidth, kButtonHeight)}});
    for (ChoiceButtons* c : {ask_, closeOnly_}) c->setDimmedTextColor(kGray);
    connect(ask_, &ChoiceButtons::chosen, this, [this](int i) { answer(i == kYes); });
    connect(closeOnly_, &ChoiceButtons::chosen, this, [this] { answer(false); });
}

bool ImportPanel::isOpen() const {
    return panel_->isVisible();
}

void ImportPanel::chooseFile() {
    const QString path = chooser_(form_, QString::fromStdString(s_.dir.root()));
    // The keys come back to the form whether or not the desktop hands them back itself.
    form_->activateWindow();
    if (path.isEmpty()) {
        s_.focus.restoreFocus();
        return;
    }
    open(path);
}

void ImportPanel::open(const QString& path) {
    if (isOpen()) return;
    returnFocus_ = st_.focusCode;
    panelWasOpen_ = st_.panelOpen;
    st_.panelOpen = 1;
    raisePanel(panel_);
    // The focus first: a field being typed in is stored as it is left, before the file is
    // weighed against the league.
    keyBox_->setFocus(Qt::OtherFocusReason);
    st_.focusCode = focus::ImportKey;
    // A whole address is split where the postal dictionary knows the city to end.
    const DataDir& dir = s_.dir;
    const KnownCity knownCity = [&dir](std::string_view prefecture, std::string_view city) {
        return postal::isKnownCity(dir, sjis::fromUnicode(prefecture), sjis::fromUnicode(city));
    };
    preview_ = previewImport(m_, s_.dir, QFile::encodeName(path).toStdString(), knownCity);
    pager_ = ListPager(kRefusedRows, long(preview_.refused.size()));
    showPreview(QFileInfo(path).fileName());
    Edit_ImportChooseEnter();  // the help for what the file turned out to hold
}

bool ImportPanel::canImport() const {
    return preview_.status == ImportPreview::Ready && !preview_.teams.empty();
}

void ImportPanel::showPreview(const QString& fileName) {
    const bool ready = preview_.status == ImportPreview::Ready;
    file_->setText(QStringLiteral("ファイル：") + fileName);
    file_->setText(file_->fontMetrics().elidedText(file_->text(), Qt::ElideMiddle, file_->width()));
    file_->setToolTip(fileName);
    encoding_->setText(preview_.encoding == TextEncoding::Unknown
                           ? QString()
                           : QStringLiteral("文字コード：") + QString::fromUtf8(encodingName(preview_.encoding)));
    QStringList unused;
    for (const std::string& h : preview_.unusedHeadings) unused << QString::fromUtf8(h);
    unusedColumns_->setText(unused.isEmpty() ? QString()
                                             : QStringLiteral("読まない列：") + unused.join(QStringLiteral("、")));

    target_->setText(ready ? targetText(storedTerm(s_.dir, preview_.termSlot)) : QString());
    status_->setText(QString::fromUtf8(importStatusText(preview_)));
    summary_->setText(
        !ready ? QString()
        : preview_.teams.empty()
            ? QStringLiteral("取り込む内容がありません")
            : QStringLiteral("追加 %1チーム　更新 %2チーム").arg(preview_.added()).arg(preview_.updated()));
    showGroups();
    showRefusedRows();

    askBox_->setVisible(canImport());
    closeBox_->setVisible(!canImport());
    ask_->select(kNo);
    closeOnly_->select(0);
}

void ImportPanel::showGroups() {
    for (int i = 0; i < 2 * kGroupRows; ++i)
        groups_[i]->setText(i < int(preview_.groups.size()) ? groupText(preview_.groups[std::size_t(i)]) : QString());
}

void ImportPanel::showRefusedRows() {
    const int n = int(preview_.refused.size());
    refusedCount_->setText(preview_.status != ImportPreview::Ready ? QString()
                           : n == 0 ? QStringLiteral("取り込めない行はありません")
                                    : QStringLiteral("取り込めない行（%1行）").arg(n));
    for (int i = 0; i < kRefusedRows; ++i) {
        const bool shown = pager_.rowHasEntry(i);
        const ImportRefusal* r = shown ? &preview_.refused[std::size_t(pager_.top() + i)] : nullptr;
        cells_[i][0]->setText(r ? rowText(r->row) : QString());
        ClickLabel* reason = cells_[i][1];
        const QString why = r ? QString::fromUtf8(r->reason) : QString();
        reason->setText(reason->fontMetrics().elidedText(why, Qt::ElideRight, reason->width()));
        reason->setToolTip(why);
        frames_[i]->setVisible(shown);
        frames_[i]->setSelected(shown && i == pager_.row());
    }
    more_[0]->setText(pager_.atFirst() ? QString() : QStringLiteral("▲"));
    more_[1]->setText(pager_.atLast() ? QString() : QStringLiteral("▼"));
    const bool any = pager_.rowHasEntry(pager_.row());
    const ImportRefusal* chosen = any ? &preview_.refused[std::size_t(pager_.chosenIndex())] : nullptr;
    const QString whole =
        chosen ? rowText(chosen->row) + QStringLiteral("：") + QString::fromUtf8(chosen->reason) : QString();
    // A row refused for many reasons ends with "…" on the last line; the tooltip holds them all.
    reason_->setText(reason_->fontMetrics().elidedText(whole, Qt::ElideRight, reason_->width() * kReasonLines - 40));
    reason_->setToolTip(whole);
}

void ImportPanel::Edit_ImportChooseEnter() {
    st_.focusCode = focus::ImportKey;
    s_.help.setManualHint();
    if (canImport())
        s_.help.setHelp(QStringLiteral("内容を確かめ[F1]キーで取り込みます．[←][→]で選び[Enter]キーでも決められます．"
                                       "↑↓キーで取り込めない行を確かめられます．"),
                        QStringLiteral("[F9]キーまたは[ESC]キーで何も書き込まずに閉じます．"));
    else
        s_.help.setHelp(QStringLiteral("このファイルから取り込めるチームはありません．"),
                        QStringLiteral("[F9]キーまたは[ESC]キーで閉じます．"));
}

void ImportPanel::Edit_ImportChooseKeyDown(int key) {
    if (pageByKey(pager_, key).handled) return showRefusedRows();
    if (key == Qt::Key_Escape) return answer(false);
    (canImport() ? ask_ : closeOnly_)->handleKey(key);
}

void ImportPanel::Label_ImportRefusedClick(int row) {
    if (!isOpen() || !pager_.click(row)) return;
    showRefusedRows();
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void ImportPanel::answer(bool yes) {
    if (!isOpen()) return;
    if (!yes || !canImport()) return close();
    const ImportWrite w = doc_.importTeams(preview_);
    close();
    if (w.outcome == ImportWrite::Written) emit imported();
    // A failed save has been told by the document's save report, with its cause.
    if (w.outcome != ImportWrite::NotSaved)
        s_.messages.showMessage(QStringLiteral("■%1■").arg(QString::fromStdString(importWriteText(w))));
}

void ImportPanel::close() {
    if (keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
    preview_ = ImportPreview{};
    st_.panelOpen = panelWasOpen_;
    st_.focusCode = returnFocus_;
    s_.focus.restoreFocus();
}
