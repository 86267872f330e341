#include "bench_form.h"

#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdio>

#include "contacts/postal_dictionary.h"
#include "form/fonts.h"
#include "postal_dictionary/npm_cache.h"
#include "store/file_io.h"
#include "support/league_folder.h"

BenchForm::BenchForm() {
    layLeague(folder, LeagueShape{20, 10, 10, 20, 40});
    form = std::make_unique<TBaseBall>(QString::fromStdString(folder.root()));
    form->show();
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
}

BenchForm::~BenchForm() {
    form->close();
    form.reset();
}

void sendClick(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void sendFocusIn(QWidget* w) {
    QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(w, &in);
}

void userClick(QWidget* w) {
    QWidget* window = w->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, w->mapTo(window, w->rect().center()));
}

void userKey(QWidget* window, int key) {
    QTest::keyClick(window->windowHandle(), Qt::Key(key));
}

PaintWait::PaintWait(QWidget* window) : window_(window) {
    window_->installEventFilter(this);
}

bool PaintWait::eventFilter(QObject* watched, QEvent* e) {
    // The window's update request repaints the dirty widgets and flushes the backing store;
    // counted on its way in, it is done when the event loop returns.
    if (watched == window_ && e->type() == QEvent::UpdateRequest) ++updates_;
    return false;
}

bool PaintWait::untilPainted() {
    const long before = updates_;
    // The posted events, and what their handling posts in turn.
    for (int pass = 0; pass < 2 && updates_ == before; ++pass) QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Qt posts no request of its own when a widget was already waiting in its dirty list; the
    // window's request is then sent here, so that what changed is painted and flushed now
    // rather than with the next cursor blink.
    if (updates_ == before) {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window_, &request);
    }
    return updates_ != before;
}

std::vector<std::pair<QWidget*, QString>> formTexts(QWidget* form) {
    std::vector<std::pair<QWidget*, QString>> texts;
    for (QLabel* l : form->findChildren<QLabel*>()) texts.emplace_back(l, l->text());
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) texts.emplace_back(e, e->text());
    for (QPlainTextEdit* e : form->findChildren<QPlainTextEdit*>()) texts.emplace_back(e, e->toPlainText());
    return texts;
}

std::vector<std::pair<QWidget*, QString>> changedTexts(const std::vector<std::pair<QWidget*, QString>>& before,
                                                       const std::vector<std::pair<QWidget*, QString>>& after) {
    std::vector<std::pair<QWidget*, QString>> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i].second != after[i].second) changed.push_back(after[i]);
    return changed;
}

void setText(QWidget* w, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        m->setPlainText(text);
}

int runScreenBenchmarks(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

std::string dictionaryForBenchmark(int argc, char** argv, bool* built) {
    *built = false;
    std::string folder;
    if (argc > 1) {
        folder = argv[1];
    } else {
        folder = postal_build::buildFromCachedPackage();
        *built = !folder.empty();
    }
    if (folder.empty() ||
        postal::usableEntries(DataDir(folder), postal::kCodeIndexFile, postal::kCodeEntryLength) == 0) {
        std::fprintf(stderr,
                     "No postal dictionary: give a working folder with Zip/, or run\n"
                     "scripts/build-postal-dictionary.sh --fetch-only first.\n");
        return std::string();
    }
    return folder;
}

long readSequentially(const std::string& path, std::string& block) {
    long at = 0;
    std::size_t got = 0;
    do {
        if (!fileio::readAt(path, at, block.data(), block.size(), &got)) break;
        at += long(got);
        benchmark::DoNotOptimize(block.data());
    } while (got == block.size());
    return at;
}
