#include "ui/puzzle/PuzzleTab.h"

#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"
#include "ui/kit/SoundPlayer.h"
#include "ui/kit/ThemeColors.h"
#include "ui/puzzle/BoardView.h"

#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

// A navy arrow turning back to the left; light blue on a dark theme.
QIcon UndoPicture(const QPalette& palette) {
    QPixmap picture(34, 34);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor navy = CaptionColor(palette);
    QPainterPath curve;
    curve.moveTo(11, 12);
    curve.lineTo(20, 12);
    curve.cubicTo(30, 12, 30, 27, 20, 27);
    curve.lineTo(9, 27);
    painter.setPen(QPen(navy, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(curve);
    painter.setPen(Qt::NoPen);
    painter.setBrush(navy);
    painter.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(13, 4), QPointF(13, 20)}));
    return QIcon(picture);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

} // namespace

TPuzzleTab::TPuzzleTab(QWidget* parent) : QWidget(parent) {
    FBoardFrame = new QFrame(this);
    FBoardFrame->setObjectName("BoardFrame");
    FBoardFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FBoardFrame->setLineWidth(1);
    FBoardFrame->setGeometry(16, 28, 331, 361);

    FBoardView = new TBoardView(FBoardFrame);
    FBoardView->setObjectName("BoardView");
    FBoardView->setGeometry(1, 1, 329, 359);
    connect(FBoardView, &TBoardView::Paint, this, &TPuzzleTab::PaintBoard);
    connect(FBoardView, &TBoardView::MouseDown, this, &TPuzzleTab::ClickBoard);

    FCountEdit = new QLineEdit("Count = 0 selected = 0", this);
    FCountEdit->setObjectName("CountEdit");
    FCountEdit->setReadOnly(true);
    FCountEdit->setFocusPolicy(Qt::NoFocus);
    // Wide enough for a four-digit score and a four-digit group in the window's font, which may be wider
    // than the one the board was drawn for.
    const int countWidth = FCountEdit->fontMetrics().horizontalAdvance("Count = 9999 selected = 9999") + 16;
    FCountEdit->setGeometry(108, 2, std::max(153, countWidth), FCountEdit->sizeHint().height());
    // Lime on black, like a scoreboard; lime on white cannot be read.
    QPalette lime = FCountEdit->palette();
    lime.setColor(QPalette::Text, QColor(0, 255, 0));
    lime.setColor(QPalette::Base, Qt::black);
    FCountEdit->setPalette(lime);

    FStartButton = MakeButton(this, "StartButton", "Start", QRect(265, 396, 75, 25));
    connect(FStartButton, &QPushButton::clicked, this, &TPuzzleTab::NewGame);
    FHintButton = MakeButton(this, "HintButton", "Hint", QRect(21, 397, 75, 25));
    connect(FHintButton, &QPushButton::clicked, this, &TPuzzleTab::ShowHint);

    FUndoToolBar = new QToolBar(this);
    FUndoToolBar->setObjectName("UndoToolBar");
    FUndoToolBar->setGeometry(355, 339, 47, 46);
    FUndoToolBar->setIconSize(QSize(34, 34));
    FUndoButton = new QToolButton(FUndoToolBar);
    FUndoButton->setObjectName("UndoButton");
    FUndoButton->setIcon(UndoPicture(palette()));
    FUndoButton->setIconSize(QSize(34, 34));
    FUndoButton->setToolTip("Undo last move");
    FUndoToolBar->addWidget(FUndoButton);
    connect(FUndoButton, &QToolButton::clicked, this, &TPuzzleTab::UndoMove);

    setMinimumSize(402, 422);
    Board().StartGame();
}

TPuzzleTab::~TPuzzleTab() = default;

TBoard& TPuzzleTab::Board() {
    if (!FBoard)
        FBoard = std::make_unique<TBoard>(static_cast<TBoardOwner&>(*this));
    return *FBoard;
}

TUndoBoard& TPuzzleTab::UndoBoard() {
    if (!FUndoBoard)
        FUndoBoard = std::make_unique<TUndoBoard>(static_cast<TBoardOwner&>(*this));
    return *FUndoBoard;
}

void TPuzzleTab::NewGame() {
    Board().StartGame();
}

void TPuzzleTab::ShowHint() {
    Board().ShowHint();
}

void TPuzzleTab::UndoMove() {
    Board().UndoMove();
}

void TPuzzleTab::ClickBoard(int x, int y) {
    Board().ClickAt(x, y);
}

// Paints from the board's cells only: the count line is the rules' business, so that a new game keeps
// the old line until the next move.
void TPuzzleTab::PaintBoard(QPainter& painter) {
    DrawBoard(painter, Board());
}

void TPuzzleTab::SetCountLine(const std::string& text) {
    FCountEdit->setText(FromCore(text));
    // A line longer than the field loses its end, never the score at its start.
    FCountEdit->setCursorPosition(0);
}

void TPuzzleTab::PlaySound(TRemovalSound sound) {
    PlayWaveResource(QString(":/") + SoundName(sound));
}

void TPuzzleTab::ShowBoardMessage(const std::string& text) {
    ShowMessage(FromCore(text));
}

void TPuzzleTab::RepaintBoard() {
    FBoardView->update();
}
