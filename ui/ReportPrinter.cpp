#include "ui/ReportPrinter.h"

#include "ui/ShowMessage.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

void PrintDocument(const QTextDocument& report, QPagedPaintDevice& device) {
    // A document with a page size of its own is printed as laid out, without page numbers.
    // Sizes are given at screen resolution; printing scales the pages up to the device.
    std::unique_ptr<QTextDocument> pages(report.clone());
    pages->setDefaultFont(report.defaultFont());
    pages->setDocumentMargin(0);
    constexpr qreal ScreenDpi = 96.0;
    const QSizeF points = device.pageLayout().paintRect(QPageLayout::Point).size();
    pages->setPageSize(points * (ScreenDpi / 72.0));
    pages->print(&device);
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
