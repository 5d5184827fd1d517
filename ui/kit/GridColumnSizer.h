// Sizes the Punnett grid's columns to their text as they come into view.
#pragma once

#include <QObject>

#include <vector>

class QTableView;

// Each column is sized to the longest text of its header and of the cells in view the first time it is
// seen after a calculation; from then on it is the breeder's to widen or narrow. Sizing only what is seen
// keeps a grid of a million cells as quick as a small one.
class TGridColumnSizer : public QObject {
    Q_OBJECT
public:
    explicit TGridColumnSizer(QTableView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Restart();
    void SizeColumnsInView();

    QTableView* FView;
    std::vector<bool> FSized; // per column: sized since the last calculation
};
