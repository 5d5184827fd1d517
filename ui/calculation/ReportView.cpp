#include "ui/calculation/ReportView.h"

#include "calc/Calculation.h"
#include "ui/kit/CoreText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The room between the frame and the text, as a plain text document keeps it.
constexpr int Margin = 4;

// A line laid out as one line of text, never wrapped.
void LayOutLine(QTextLayout& layout) {
    layout.beginLayout();
    layout.createLine().setLeadingIncluded(true);
    layout.endLayout();
}

} // namespace

TReportView::TReportView(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    FAutoScroll.setInterval(50);
    connect(&FAutoScroll, &QTimer::timeout, this, &TReportView::ScrollTowardsMouse);
}

void TReportView::ShowResult(const TCalcResult* result) {
    FResult = result;
    FAnchor = FCursor = {};
    FSelecting = false;
    FAutoScroll.stop();
    FLongestLine = 0;
    for (qsizetype line = 1; line < LineCount(); ++line)
        if (CoreLine(line).size() > CoreLine(FLongestLine).size())
            FLongestLine = line;
    FWidest = LineCount() > 0 ? fontMetrics().horizontalAdvance(Line(FLongestLine)) : 0;
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

qsizetype TReportView::LineCount() const {
    if (!FResult)
        return 0;
    return FResult->Refused() ? 1 : static_cast<qsizetype>(FResult->ReportLines().size());
}

const std::string& TReportView::CoreLine(qsizetype line) const {
    return FResult->Refused() ? FResult->RefusalMessage() : FResult->ReportLines()[static_cast<size_t>(line)];
}

QString TReportView::Line(qsizetype line) const {
    return FromCore(CoreLine(line));
}

int TReportView::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

QString TReportView::Text() const {
    QStringList lines;
    lines.reserve(LineCount());
    for (qsizetype line = 0; line < LineCount(); ++line)
        lines << Line(line);
    return lines.join('\n');
}

QString TReportView::SelectedText() const {
    const auto [from, to] = std::minmax(FAnchor, FCursor);
    if (from == to)
        return {};
    QStringList pieces;
    for (qsizetype line = from.Line; line <= to.Line; ++line) {
        const QString text = Line(line);
        const qsizetype start = line == from.Line ? from.Column : 0;
        pieces << text.mid(start, line == to.Line ? to.Column - start : -1);
    }
    return pieces.join('\n');
}

std::unique_ptr<QTextDocument> TReportView::Document() const {
    auto report = std::make_unique<QTextDocument>();
    report->setDocumentLayout(new QPlainTextDocumentLayout(report.get()));
    report->setUndoRedoEnabled(false);
    report->setDefaultFont(font());
    report->setPlainText(Text());
    return report;
}

void TReportView::Copy() const {
    const QString text = SelectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void TReportView::SelectAll() {
    if (LineCount() == 0)
        return;
    FAnchor = {};
    FCursor = {LineCount() - 1, Line(LineCount() - 1).size()};
    OfferSelection();
    viewport()->update();
}

void TReportView::OfferSelection() const {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard->supportsSelection() && FAnchor != FCursor)
        clipboard->setText(SelectedText(), QClipboard::Selection);
}

void TReportView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int height = LineHeight();
    const qreal left = Margin - horizontalScrollBar()->value();
    const auto [from, to] = std::minmax(FAnchor, FCursor);
    const int widest = FWidest;
    int top = Margin;
    for (qsizetype line = verticalScrollBar()->value(); line < LineCount() && top < viewport()->height();
         ++line, top += height) {
        QTextLayout layout(Line(line), font(), viewport());
        LayOutLine(layout);
        const qreal width = layout.lineAt(0).naturalTextWidth();
        FWidest = std::max(FWidest, static_cast<int>(std::ceil(width)));
        QList<QTextLayout::FormatRange> selected;
        if (from != to && from.Line <= line && line <= to.Line) {
            const qsizetype start = line == from.Line ? from.Column : 0;
            const qsizetype end = line == to.Line ? to.Column : layout.text().size();
            QTextLayout::FormatRange range;
            range.start = static_cast<int>(start);
            range.length = static_cast<int>(end - start);
            range.format.setBackground(palette().brush(QPalette::Highlight));
            range.format.setForeground(palette().brush(QPalette::HighlightedText));
            selected << range;
            // The line's end is part of the selection when the next line is.
            if (line < to.Line)
                painter.fillRect(QRectF(left + width, top, fontMetrics().averageCharWidth(), height),
                                 palette().brush(QPalette::Highlight));
        }
        layout.draw(&painter, QPointF(left, top), selected);
    }
    // A line wider than any measured so far widens the range once it has been seen.
    if (FWidest > widest)
        QMetaObject::invokeMethod(this, &TReportView::UpdateScrollBars, Qt::QueuedConnection);
}

void TReportView::UpdateScrollBars() {
    const int shown = std::max(1, (viewport()->height() - 2 * Margin) / LineHeight());
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<qsizetype>(0, LineCount() - shown)));
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(shown);
    horizontalScrollBar()->setRange(0, std::max(0, FWidest + 2 * Margin - viewport()->width()));
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 2);
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void TReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

// The vertical bar counts lines, not pixels: the whole view is painted again.
void TReportView::scrollContentsBy(int, int) {
    viewport()->update();
}

void TReportView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange && LineCount() > 0) {
        FWidest = fontMetrics().horizontalAdvance(Line(FLongestLine));
        UpdateScrollBars();
    }
}

void TReportView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        Copy();
    } else if (event == QKeySequence::SelectAll) {
        SelectAll();
    } else if (event->key() == Qt::Key_Home) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->key() == Qt::Key_End) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

TReportView::TSpot TReportView::SpotAt(QPoint point) const {
    if (LineCount() == 0)
        return {};
    const auto below = static_cast<qsizetype>(std::floor((point.y() - Margin) / double(LineHeight())));
    const qsizetype line = std::clamp<qsizetype>(verticalScrollBar()->value() + below, 0, LineCount() - 1);
    QTextLayout layout(Line(line), font(), viewport());
    LayOutLine(layout);
    const qreal x = point.x() - Margin + horizontalScrollBar()->value();
    return {line, layout.lineAt(0).xToCursor(x, QTextLine::CursorBetweenCharacters)};
}

void TReportView::MoveSelectionEnd(QPoint point) {
    FCursor = SpotAt(point);
    viewport()->update();
}

void TReportView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const TSpot spot = SpotAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        FAnchor = spot;
    FCursor = spot;
    FSelecting = true;
    viewport()->update();
}

void TReportView::mouseMoveEvent(QMouseEvent* event) {
    if (!FSelecting)
        return;
    FMouse = event->position().toPoint();
    MoveSelectionEnd(FMouse);
    if (FMouse.y() < 0 || FMouse.y() >= viewport()->height())
        FAutoScroll.start();
    else
        FAutoScroll.stop();
}

void TReportView::ScrollTowardsMouse() {
    verticalScrollBar()->triggerAction(FMouse.y() < 0 ? QAbstractSlider::SliderSingleStepSub
                                                      : QAbstractSlider::SliderSingleStepAdd);
    MoveSelectionEnd(FMouse);
}

void TReportView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !FSelecting)
        return;
    FSelecting = false;
    FAutoScroll.stop();
    OfferSelection();
}

// A word: the letters and digits around the place clicked.
void TReportView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || LineCount() == 0)
        return;
    const TSpot spot = SpotAt(event->position().toPoint());
    const QString text = Line(spot.Line);
    qsizetype start = spot.Column;
    qsizetype end = spot.Column;
    while (start > 0 && text[start - 1].isLetterOrNumber())
        --start;
    while (end < text.size() && text[end].isLetterOrNumber())
        ++end;
    FAnchor = {spot.Line, start};
    FCursor = {spot.Line, end};
    FSelecting = true;
    viewport()->update();
}

void TReportView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName("ReportMenu");
    QAction* copy = menu.addAction("Copy", this, &TReportView::Copy);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(FAnchor != FCursor);
    QAction* selectAll = menu.addAction("Select All", this, &TReportView::SelectAll);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setEnabled(LineCount() > 0);
    menu.exec(event->globalPos());
}
