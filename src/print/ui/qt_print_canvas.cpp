#include "print/ui/qt_print_canvas.h"

#include <QFontMetrics>
#include <QPrinter>
#include <QString>

#include "store/sjis.h"

bool QtPrintCanvas::begin() {
    if (!painter_.begin(&printer_)) return false;
    begun_ = true;
    painter_.setPen(pen_);
    fontChanged_ = true;
    return true;
}

bool QtPrintCanvas::newPage() {
    return printer_.newPage();
}

bool QtPrintCanvas::end() {
    if (!painter_.isActive()) return false;
    const bool ended = painter_.end();
    return ended && printer_.printerState() != QPrinter::Error;
}

void QtPrintCanvas::setFontName(std::string_view utf8Name) {
    font_.setFamily(QString::fromUtf8(utf8Name.data(), qsizetype(utf8Name.size())));
    fontChanged_ = true;
}

void QtPrintCanvas::setFontSize(int points) {
    font_.setPointSize(points);
    fontChanged_ = true;
}

void QtPrintCanvas::setFixedPitch(bool fixed) {
    font_.setFixedPitch(fixed);
    fontChanged_ = true;
}

void QtPrintCanvas::setPen(unsigned color, int widthDots) {
    pen_ = QPen(QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)));
    pen_.setWidth(widthDots);
    if (painter_.isActive()) painter_.setPen(pen_);
}

void QtPrintCanvas::textOut(int x, int y, std::string_view sjisText) {
    if (!painter_.isActive()) return;
    if (fontChanged_) {
        painter_.setFont(font_);
        ascent_ = painter_.fontMetrics().ascent();
        fontChanged_ = false;
    }
    // Qt places text on its baseline; the layouts give the top of the character cell.
    painter_.drawText(QPoint(x, y + ascent_), QString::fromStdString(sjis::toUnicode(sjisText)));
}

void QtPrintCanvas::lineTo(int x, int y) {
    const QPoint to(x, y);
    if (painter_.isActive()) painter_.drawLine(current_, to);
    current_ = to;
}
