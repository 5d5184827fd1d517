#include "ui/FunTab.h"

#include "ui/BoardView.h"
#include "ui/CoreText.h"
#include "ui/ShowMessage.h"
#include "ui/SoundPlayer.h"

#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

// A navy arrow turning back to the left.
QIcon UndoPicture() {
    QPixmap picture(34, 34);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor navy(0, 0, 128);
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

TFunTab::TFunTab(QWidget* parent) : QWidget(parent) {
    Panel7 = new QFrame(this);
    Panel7->setObjectName("Panel7");
    Panel7->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel7->setLineWidth(1);
    Panel7->setGeometry(16, 28, 331, 361);

    pbBoard = new TBoardView(Panel7);
    pbBoard->setObjectName("pbBoard");
    pbBoard->setGeometry(1, 1, 329, 359);
    connect(pbBoard, &TBoardView::Paint, this, &TFunTab::pbBoardPaint);
    connect(pbBoard, &TBoardView::MouseDown, this, &TFunTab::pbBoardMouseDown);

    edtCount = new QLineEdit("Count = 0 selected = 0", this);
    edtCount->setObjectName("edtCount");
    edtCount->setReadOnly(true);
    edtCount->setFocusPolicy(Qt::NoFocus);
    // Wide enough for a four-digit score and a four-digit group in the window's font, which may be wider
    // than the one the board was drawn for.
    const int countWidth = edtCount->fontMetrics().horizontalAdvance("Count = 9999 selected = 9999") + 16;
    edtCount->setGeometry(108, 2, std::max(153, countWidth), edtCount->sizeHint().height());
    // Lime on black, like a scoreboard; lime on white cannot be read.
    QPalette lime = edtCount->palette();
    lime.setColor(QPalette::Text, QColor(0, 255, 0));
    lime.setColor(QPalette::Base, Qt::black);
    edtCount->setPalette(lime);

    btnStart = MakeButton(this, "btnStart", "Start", QRect(265, 396, 75, 25));
    connect(btnStart, &QPushButton::clicked, this, &TFunTab::btnStartClick);
    bntHint = MakeButton(this, "bntHint", "Hint", QRect(21, 397, 75, 25));
    connect(bntHint, &QPushButton::clicked, this, &TFunTab::bntHintClick);

    tbUndo = new QToolBar(this);
    tbUndo->setObjectName("tbUndo");
    tbUndo->setGeometry(355, 339, 47, 46);
    tbUndo->setIconSize(QSize(34, 34));
    btnUndo = new QToolButton(tbUndo);
    btnUndo->setObjectName("btnUndo");
    btnUndo->setIcon(UndoPicture());
    btnUndo->setIconSize(QSize(34, 34));
    btnUndo->setToolTip("Undo last move");
    tbUndo->addWidget(btnUndo);
    connect(btnUndo, &QToolButton::clicked, this, &TFunTab::btnUndoClick);

    setMinimumSize(402, 422);
    Board().StartGame();
}

TFunTab::~TFunTab() = default;

TJBBoard& TFunTab::Board() {
    if (!FBoard)
        FBoard = std::make_unique<TJBBoard>(static_cast<TJBBoardOwner&>(*this));
    return *FBoard;
}

TJBAckupBoard& TFunTab::UndoBoard() {
    if (!FUndoBoard)
        FUndoBoard = std::make_unique<TJBAckupBoard>(static_cast<TJBBoardOwner&>(*this));
    return *FUndoBoard;
}

void TFunTab::btnStartClick() {
    Board().StartGame();
}

void TFunTab::bntHintClick() {
    Board().ShowHint();
}

void TFunTab::btnUndoClick() {
    Board().UndoMove();
}

void TFunTab::pbBoardMouseDown(int x, int y) {
    Board().ClickAt(x, y);
}

// Paints from the board's cells only: the count line is the rules' business, so that a new game keeps
// the old line until the next move.
void TFunTab::pbBoardPaint(QPainter& painter) {
    DrawBoard(painter, Board());
}

void TFunTab::SetCountLine(const std::string& text) {
    edtCount->setText(FromCore(text));
    // A line longer than the field loses its end, never the score at its start.
    edtCount->setCursorPosition(0);
}

void TFunTab::PlaySound(TJBSound sound) {
    PlayWaveResource(QString(":/") + SoundName(sound));
}

void TFunTab::ShowBoardMessage(const std::string& text) {
    ShowMessage(FromCore(text));
}

void TFunTab::RepaintBoard() {
    pbBoard->update();
}
