// Start-up as the user waits for it: the main window built on a full league (20 groups of ten,
// ten terms, the arrow pictures) and shown, until its first paint is flushed; beside its floor in the same loop, a
// bare window with the same widgets (the same kinds, places, texts and fonts, no program
// behind them) built and shown until its first paint is flushed. Offscreen platform.

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWindow>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench_form.h"
#include "support/league_folder.h"

namespace {

// One widget of the window, parents before their children.
struct WidgetPlan {
    enum Kind { Plain, Label, LineEdit, PlainText, CheckBox, Frame } kind = Plain;
    int parent = -1;  // index in the plan; -1 for the window
    QRect geometry;
    QString text;
    QFont font;
    bool hidden = false;
};

WidgetPlan::Kind kindOf(QWidget* w) {
    if (qobject_cast<QLabel*>(w)) return WidgetPlan::Label;
    if (qobject_cast<QLineEdit*>(w)) return WidgetPlan::LineEdit;
    if (qobject_cast<QPlainTextEdit*>(w)) return WidgetPlan::PlainText;
    if (qobject_cast<QCheckBox*>(w)) return WidgetPlan::CheckBox;
    if (qobject_cast<QFrame*>(w)) return WidgetPlan::Frame;
    return WidgetPlan::Plain;
}

void planChildren(QWidget* parent, int parentIndex, std::vector<WidgetPlan>& plan) {
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        // The inside of composite widgets comes with them.
        if (!w || w->isWindow() || qobject_cast<QPlainTextEdit*>(parent)) continue;
        WidgetPlan p;
        p.kind = kindOf(w);
        p.parent = parentIndex;
        p.geometry = w->geometry();
        p.font = w->font();
        p.hidden = w->isHidden();
        if (auto* l = qobject_cast<QLabel*>(w)) p.text = l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) p.text = e->text();
        if (auto* c = qobject_cast<QCheckBox*>(w)) p.text = c->text();
        if (auto* m = qobject_cast<QPlainTextEdit*>(w)) p.text = m->toPlainText();
        plan.push_back(p);
        planChildren(w, int(plan.size()) - 1, plan);
    }
}

std::unique_ptr<QWidget> buildBare(const std::vector<WidgetPlan>& plan, const QSize& size) {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(size);
    std::vector<QWidget*> made;
    made.reserve(plan.size());
    for (const WidgetPlan& p : plan) {
        QWidget* parent = p.parent < 0 ? window.get() : made[std::size_t(p.parent)];
        QWidget* w = nullptr;
        switch (p.kind) {
            case WidgetPlan::Label:
                w = new QLabel(p.text, parent);
                break;
            case WidgetPlan::LineEdit:
                w = new QLineEdit(p.text, parent);
                break;
            case WidgetPlan::PlainText:
                w = new QPlainTextEdit(p.text, parent);
                break;
            case WidgetPlan::CheckBox:
                w = new QCheckBox(p.text, parent);
                break;
            case WidgetPlan::Frame:
                w = new QFrame(parent);
                break;
            case WidgetPlan::Plain:
                w = new QWidget(parent);
                break;
        }
        w->setGeometry(p.geometry);
        w->setFont(p.font);
        if (p.hidden) w->hide();
        made.push_back(w);
    }
    return window;
}

// Shown, exposed, and its first paint flushed.
bool showAndPaint(QWidget* window) {
    PaintWait painted(window);
    window->show();
    for (int i = 0; i < 100 && !(window->windowHandle() && window->windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents();
    return painted.untilPainted();
}

void BM_StartUpToPaintedWindow(benchmark::State& state) {
    TempFolder folder;
    layLeague(folder, LeagueShape{20, 10, 10, 20, 40});
    // The arrow pictures, as a working folder set up by run.sh holds them.
    std::filesystem::copy(std::string(TALLYFOLD_FIXTURES) + "/../../assets/Images", folder.path("Images"));
    const QString root = QString::fromStdString(folder.root());
    std::vector<WidgetPlan> plan;
    QSize size;
    {
        TBaseBall form(root);
        planChildren(&form, -1, plan);
        size = form.size();
    }
    std::unique_ptr<TBaseBall> form;
    std::unique_ptr<QWidget> bare;
    runInterleaved(
        state,
        [&] {
            form.reset();
            bare.reset();
            QCoreApplication::processEvents();
        },
        [&] {
            form = std::make_unique<TBaseBall>(root);
            return showAndPaint(form.get());
        },
        [&] {
            bare = buildBare(plan, size);
            return showAndPaint(bare.get());
        });
    state.counters["widgets"] = double(plan.size());
}
BENCHMARK(BM_StartUpToPaintedWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    return runScreenBenchmarks(argc, argv);
}
