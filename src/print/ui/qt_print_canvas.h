#pragma once
// The report canvas on a QPrinter: texts placed by their top-left corner, as the layouts
// expect, and lines in device dots.

#include <QFont>
#include <QPainter>
#include <QPoint>

#include "print/print_canvas.h"

class QPrinter;

class QtPrintCanvas : public PrintCanvas {
public:
    explicit QtPrintCanvas(QPrinter& printer) : printer_(printer) {}

    bool begin() override;
    bool newPage() override;
    bool end() override;
    void setFontName(std::string_view utf8Name) override;
    void setFontSize(int points) override;
    void setFixedPitch(bool fixed) override;
    void setPen(unsigned color, int widthDots) override;
    void textOut(int x, int y, std::string_view sjisText) override;
    void moveTo(int x, int y) override { current_ = QPoint(x, y); }
    void lineTo(int x, int y) override;

    // Whether the printer or file could be opened at all; nothing reached it when not.
    bool begun() const { return begun_; }

private:
    QPrinter& printer_;
    QPainter painter_;
    bool begun_ = false;
    QFont font_;
    bool fontChanged_ = true;
    int ascent_ = 0;
    QPen pen_;
    QPoint current_;
};
