#pragma once
// Panel_Syoricyuu: shown while the reading lookup scans the dictionary, with the share of
// entries scanned so far. The scan runs on the one thread, so the panel paints itself at
// once rather than waiting for the event loop.

#include <QElapsedTimer>
#include <QObject>

#include "form/screen_area.h"

class QLabel;

class ProgressPanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    ProgressPanel(QWidget* form, FormServices& services);

    void show();
    void hide();
    bool isVisible() const;
    // The whole percentage scanned; repainted at once, at most every kRepaintEvery ms.
    void showPercent(int percent);
    static constexpr int kRepaintEvery = 50;

private:
    QFrame* panel_;
    QLabel* nowSyori_;
    QLabel* syorisuu_;
    QLabel* ritu_;
    QElapsedTimer sinceRepaint_;
};
