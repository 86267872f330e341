#include "print/ui/printer_setup.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QtMath>

PageGeometry setUpPrinter(QPrinter& printer) {
    printer.setCopyCount(1);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);

    PageGeometry g;
    g.dpiX = printer.resolution();
    g.dpiY = printer.resolution();
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // A PDF has no margins of its own, but it ends up on an office printer: drawn as
        // for one, a page printed from it at 100 % loses nothing at its edges.
        g.offsetX = g.offsetY = qRound(g.dpiX * kOfficePrinterMarginInches);
    } else {
        // With the page margins at the printer's own minimum, the page is the printable area.
        printer.setFullPage(false);
        const QPageLayout layout = printer.pageLayout();
        printer.setPageMargins(layout.minimumMargins(), layout.units());
        const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        g.offsetX = qRound(page.left() - paper.left());
        g.offsetY = qRound(page.top() - paper.top());
    }

    // Draw from the paper's corner; the offsets keep every mark inside the printable area.
    printer.setFullPage(true);
    return g;
}
