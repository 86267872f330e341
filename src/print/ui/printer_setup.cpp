#include "print/ui/printer_setup.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QtMath>

PageGeometry setUpPrinter(QPrinter& printer) {
    printer.setCopyCount(1);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);

    // With the page margins at the printer's own minimum, the page is the printable area.
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    PageGeometry g;
    g.dpiX = printer.resolution();
    g.dpiY = printer.resolution();
    g.offsetX = qRound(page.left() - paper.left());
    g.offsetY = qRound(page.top() - paper.top());

    // Draw from the paper's corner; the offsets keep every mark inside the printable area.
    printer.setFullPage(true);
    return g;
}
