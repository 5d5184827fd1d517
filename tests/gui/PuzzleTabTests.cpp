#include "ui/kit/ShowMessage.h"
#include "ui/puzzle/PuzzleTab.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <initializer_list>
#include <vector>

namespace {

struct TPlacedStone {
    int Column;
    int Row;
    int ColorIndex;
};

// A checkerboard of colours 3 and 4, in which no two neighbours match, with the given stones on it.
TBoardLayout Checkered(std::initializer_list<TPlacedStone> stones) {
    TBoardLayout layout;
    for (int c = 0; c < BoardColumns; ++c)
        for (int r = 0; r < BoardRows; ++r)
            layout[c][r] = {(c + r) % 2 ? 4 : 3, false};
    for (const TPlacedStone& stone : stones)
        layout[stone.Column][stone.Row] = {stone.ColorIndex, false};
    return layout;
}

const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);

// The shade of a purple stone: the stone's colour lightened by the same step in every component.
bool IsPurpleShade(QColor color) {
    return color.red() == color.blue() && color.red() == color.green() + 128;
}

} // namespace

class TPuzzleTabTests : public QObject {
    Q_OBJECT
    std::vector<QString> FMessages;

    QWidget* PaintBox(TPuzzleTab& tab) { return tab.findChild<QWidget*>("BoardView"); }
    QString CountLine(TPuzzleTab& tab) { return tab.findChild<QLineEdit*>("CountEdit")->text(); }
    QImage Shot(TPuzzleTab& tab) { return PaintBox(tab)->grab().toImage(); }
    QColor CornerOf(const QImage& shot, int column, int row) {
        return shot.pixelColor(column * 30, row * 30);
    }
    QColor StoneOf(const QImage& shot, int column, int row) {
        return shot.pixelColor(column * 30 + 5, row * 30 + 14);
    }
    void ClickCell(TPuzzleTab& tab, int column, int row, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(PaintBox(tab), button, keys, QPoint(column * 30 + 15, row * 30 + 15));
    }

private slots:
    void init() {
        FMessages.clear();
        SetMessageHandler([this](const QString& text) { FMessages.push_back(text); });
    }
    void cleanup() { SetMessageHandler({}); }

    // The board's rules are proved by its own tests; here only that clicks, buttons, pictures and the count
    // line reach it and show it.
    void BoardIsWiredToPaintBoxButtonsAndCountLine() {
        TPuzzleTab tab;
        QCOMPARE(CountLine(tab), QString("Count = 0 selected = 0"));
        // The first game is dealt: a shaded stone on grey in every cell.
        QCOMPARE(tab.Board().Stones().size(), size_t(BoardColumns * BoardRows));
        QImage shot = Shot(tab);
        for (int c = 0; c < BoardColumns; ++c)
            for (int r = 0; r < BoardRows; ++r) {
                QCOMPARE(CornerOf(shot, c, r), Grey);
                QVERIFY(StoneOf(shot, c, r) != Grey);
            }

        tab.Board().LayOut(Checkered({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {8, 0, 1}, {8, 1, 1}}));
        QTest::mouseClick(tab.findChild<QPushButton*>("HintButton"), Qt::LeftButton);
        QCOMPARE(CountLine(tab), QString("Count = 0 selected = 6"));
        shot = Shot(tab);
        QCOMPARE(CornerOf(shot, 2, 0), Silver);
        QCOMPARE(CornerOf(shot, 3, 0), Grey);
        QVERIFY(IsPurpleShade(StoneOf(shot, 2, 0)));
        // Any button confirms, whatever keys are held.
        ClickCell(tab, 1, 0, Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(CountLine(tab), QString("Count = 6 selected = 0"));
        QCOMPARE(StoneOf(Shot(tab), 1, 0), Grey);
        QTest::mouseClick(tab.findChild<QToolButton*>("UndoButton"), Qt::LeftButton);
        QCOMPARE(CountLine(tab), QString("Count = 0 selected = 0"));
        QVERIFY(StoneOf(Shot(tab), 1, 0) != Grey);
        QCOMPARE(CornerOf(Shot(tab), 2, 0), Grey);

        // The last pixel of the paint box belongs to the last cell.
        tab.Board().LayOut(Checkered({{10, 10, 2}, {10, 11, 2}}));
        QTest::mouseClick(PaintBox(tab), Qt::LeftButton, {}, QPoint(328, 358));
        QTest::mouseClick(PaintBox(tab), Qt::MiddleButton, {}, QPoint(328, 358));
        QCOMPARE(FMessages, std::vector<QString>{"Gameover, you have 2 points"});
        QTest::mouseClick(tab.findChild<QPushButton*>("HintButton"), Qt::LeftButton);
        QCOMPARE(FMessages.back(), QString("No options left"));
        QTest::mouseClick(tab.findChild<QPushButton*>("StartButton"), Qt::LeftButton);
        QCOMPARE(tab.Board().Score(), 0);
        QCOMPARE(CountLine(tab), QString("Count = 2 selected = 0"));
    }
};

QTEST_MAIN(TPuzzleTabTests)
#include "PuzzleTabTests.moc"
