// Printing the offspring report as it stands, on paper or into a PDF file: no header, footer or page
// numbers.
#pragma once

#include <QString>

class QPagedPaintDevice;
class QTextDocument;
class QWidget;

// Asks for the printer in the printer dialog and prints there as a job named `title`. With no printer
// installed it offers to save the report as a PDF file instead.
void PrintReport(const QTextDocument& report, const QString& title, QWidget* parent);
// Asks for a file name and writes the report there as a PDF file, pages of A4; tells the user when the
// file cannot be written.
void SaveReportAsPdf(const QTextDocument& report, const QString& title, QWidget* parent);

// Lays the report out on the device's whole printable area, page after page; false when the device
// cannot be painted on.
bool PrintDocument(const QTextDocument& report, QPagedPaintDevice& device);
