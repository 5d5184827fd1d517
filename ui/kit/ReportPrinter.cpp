#include "ui/kit/ReportPrinter.h"

#include "ui/kit/FileDialogs.h"
#include "ui/kit/ShowMessage.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

bool PrintDocument(const QTextDocument& report, QPagedPaintDevice& device) {
    // Laid out at screen resolution on pages of the printable area, then scaled up to the device. A line
    // never crosses a page: the layout moves it to the next page, and each page draws only its own lines.
    constexpr qreal ScreenDpi = 96.0;
    std::unique_ptr<QTextDocument> pages(report.clone());
    pages->setDefaultFont(report.defaultFont());
    pages->setDocumentMargin(0);
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size() * (ScreenDpi / 72.0);
    pages->setPageSize(page);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
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
    return painter.end();
}

void PrintReport(const QTextDocument& report, const QString& title, QWidget* parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        if (AskYesNo("No printer is installed. Save the report as a PDF file instead?"))
            SaveReportAsPdf(report, title, parent);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() == QDialog::Accepted && !PrintDocument(report, printer))
        ShowMessage("The report could not be printed on " + printer.printerName() + ".");
}

void SaveReportAsPdf(const QTextDocument& report, const QString& title, QWidget* parent) {
    const QString path = AskSaveFileName(parent, "Save report as PDF", "PDF file (*.pdf)", "pdf");
    if (path.isEmpty())
        return;
    // Made in memory first, so that a file that cannot be written is named and an old one stays whole.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        if (!PrintDocument(report, writer)) {
            ShowMessage("The report could not be laid out as a PDF file for \"" + path + "\".");
            return;
        }
    }
    WriteChosenFile(path, std::string_view(pdf.data().constData(), static_cast<size_t>(pdf.data().size())));
}
