#include "ui/kit/ReportPrinter.h"

#include "ui/kit/ShowMessage.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

void PrintDocument(const QTextDocument& report, QPagedPaintDevice& device) {
    // Laid out at screen resolution on pages of the printable area, then scaled up to the device. A line
    // never crosses a page: the layout moves it to the next page, and each page draws only its own lines.
    constexpr qreal ScreenDpi = 96.0;
    std::unique_ptr<QTextDocument> pages(report.clone());
    pages->setDefaultFont(report.defaultFont());
    pages->setDocumentMargin(0);
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size() * (ScreenDpi / 72.0);
    pages->setPageSize(page);

    QPainter painter(&device);
    painter.scale(device.logicalDpiX() / ScreenDpi, device.logicalDpiY() / ScreenDpi);
    for (int number = 0; number < pages->pageCount(); ++number) {
        if (number > 0)
            device.newPage();
        const QRectF view(QPointF(0, number * page.height()), page);
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view.adjusted(0, 0, 0, -1);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

void PrintReport(const QTextDocument& report, const QString& title) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        ShowMessage("There is no default printer currently selected");
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    PrintDocument(report, printer);
}
