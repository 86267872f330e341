#pragma once
// What the screen benchmarks share: the main form on a full league in a fresh folder, events
// sent straight to the widgets (no event loop runs, so nothing is repainted), and the floor
// every figure is set beside.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/base_ball_form.h"
#include "support/temp_folder.h"

// The form on a league of 20 groups of 10 teams with ten stored terms.
struct BenchForm {
    TempFolder folder;
    std::unique_ptr<TBaseBall> form;
    BenchForm();
    ~BenchForm();
};

void sendClick(QWidget* w);
void sendFocusIn(QWidget* w);

// The texts of every label and edit box of the form, to tell which ones an action changes.
std::vector<std::pair<QWidget*, QString>> formTexts(QWidget* form);
// The widgets whose text differs between two captures, with the text of the second.
std::vector<std::pair<QWidget*, QString>> changedTexts(const std::vector<std::pair<QWidget*, QString>>& before,
                                                       const std::vector<std::pair<QWidget*, QString>>& after);
void setText(QWidget* w, const QString& text);

// The main() of a screen benchmark: the offscreen platform, the form's fonts, then the runs.
int runScreenBenchmarks(int argc, char** argv);

// The postal dictionary a benchmark runs on: the working folder given as its first argument,
// or one built from the cached npm package (*built then says it is to be removed). "" and a
// message when there is neither.
std::string dictionaryForBenchmark(int argc, char** argv, bool* built);

// Reads a whole file from start to end in blocks of the given size: the floor of a scan.
// Returns the bytes read.
long readSequentially(const std::string& path, std::string& block);
