#include "print/ui/printer_setup.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QtMath>

void setUpPrinter(QPrinter& printer) {
    printer.setCopyCount(1);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
}

PageGeometry pageGeometryOf(const QPrinter& printer) {
    PageGeometry g;
    g.dpiX = printer.resolution();
    g.dpiY = printer.resolution();
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    g.offsetX = qRound(page.left() - paper.left());
    g.offsetY = qRound(page.top() - paper.top());
    return g;
}
