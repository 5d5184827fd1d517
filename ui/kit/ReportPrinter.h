// Printing the offspring report as it stands: no dialog, no header, footer or page numbers.
#pragma once

#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// Prints on the default printer as a job named `title`; tells the user when there is no default printer.
void PrintReport(const QTextDocument& report, const QString& title);

// Lays the report out on the device's whole printable area, page after page.
void PrintDocument(const QTextDocument& report, QPagedPaintDevice& device);
