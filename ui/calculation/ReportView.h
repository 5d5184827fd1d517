// The offspring report on screen: a read-only view of plain lines that lays out and paints only the lines
// in view, taking them from the result as they are painted, so that a report of tens of thousands of lines
// shows at once and costs no more memory than the result itself. Its text can be selected with the mouse
// and copied.
#pragma once

#include <QAbstractScrollArea>
#include <QTimer>

#include <memory>
#include <string>

class QTextDocument;
class TCalcResult;

class TReportView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TReportView(QWidget* parent);

    // Shows the report of `result`, or the message of its refusal; `result` stays until the next one is
    // shown. The selection goes, and the view returns to the report's start.
    void ShowResult(const TCalcResult* result);
    // The report as shown, its lines joined by line feeds.
    QString Text() const;
    QString SelectedText() const;
    // The report as a document in the view's font, to be printed.
    std::unique_ptr<QTextDocument> Document() const;

    void Copy() const;
    void SelectAll();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A place between two characters: the line, and the characters before it on that line.
    struct TSpot {
        qsizetype Line = 0;
        qsizetype Column = 0;
        auto operator<=>(const TSpot&) const = default;
    };

    qsizetype LineCount() const;
    const std::string& CoreLine(qsizetype line) const;
    QString Line(qsizetype line) const;
    int LineHeight() const;
    // The place nearest to a point of the viewport, on the last line below the report.
    TSpot SpotAt(QPoint point) const;
    void MoveSelectionEnd(QPoint point);
    // The clipboard's selection, where the system has one, holds what the mouse selected.
    void OfferSelection() const;
    // The drag went past the top or the bottom: the report scrolls towards it while the button is held.
    void ScrollTowardsMouse();
    void UpdateScrollBars();

    const TCalcResult* FResult = nullptr;
    // The first line that holds the most characters, measured before it is painted; wider lines
    // painted later widen the horizontal range.
    qsizetype FLongestLine = 0;
    int FWidest = 0;
    TSpot FAnchor;
    TSpot FCursor;
    bool FSelecting = false;
    QPoint FMouse;
    QTimer FAutoScroll;
};
