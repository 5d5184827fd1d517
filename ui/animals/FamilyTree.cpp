#include "ui/animals/FamilyTree.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int Gap = 10; // between boxes and rows
constexpr int MaxBoxWidth = 170;
constexpr int Padding = 4;  // text inside its box
constexpr int MaxLines = 5; // under the name; a longer list would make every box tall

} // namespace

TFamilyTree::TFamilyTree(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(3 * BoxHeight() + 4 * Gap);
}

void TFamilyTree::ShowFamily(std::vector<TTreeAnimal> parents, TTreeAnimal self,
                             std::vector<TTreeAnimal> offspring) {
    FParents = std::move(parents);
    FSelf = std::move(self);
    FOffspring = std::move(offspring);
    update();
}

QSize TFamilyTree::sizeHint() const {
    const int widest = static_cast<int>(std::max<size_t>({FParents.size(), FOffspring.size(), 1}));
    return {widest * (MaxBoxWidth + Gap) + Gap, 3 * BoxHeight() + 4 * Gap};
}

int TFamilyTree::BoxHeight() const {
    return (MaxLines + 1) * fontMetrics().height() + 2 * Padding;
}

std::vector<QRect> TFamilyTree::RowBoxes(size_t count, int top) const {
    std::vector<QRect> boxes;
    if (count == 0)
        return boxes;
    const int n = static_cast<int>(count);
    const int width = std::clamp((this->width() - Gap) / n - Gap, 40, MaxBoxWidth);
    const int left = (this->width() - n * (width + Gap) + Gap) / 2;
    for (int i = 0; i < n; ++i)
        boxes.emplace_back(left + i * (width + Gap), top, width, BoxHeight());
    return boxes;
}

void TFamilyTree::DrawAnimal(QPainter& painter, const QRect& box, const TTreeAnimal& animal) const {
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().base());
    painter.drawRoundedRect(box, 4, 4);
    const QRect inside = box.adjusted(Padding, Padding, -Padding, -Padding);
    const int lineHeight = fontMetrics().height();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(inside.left(), inside.top(), inside.width(), lineHeight), Qt::AlignLeft,
                     QFontMetrics(bold).elidedText(animal.Name, Qt::ElideRight, inside.width()));
    // The look and chances wrap within the box; what does not fit is cut at its edge.
    painter.setFont(font());
    const QRect below = inside.adjusted(0, lineHeight, 0, 0);
    painter.setClipRect(below);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, animal.Lines.join("\n"));
    painter.setClipping(false);
}

void TFamilyTree::paintEvent(QPaintEvent*) {
    if (FSelf.Name.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int rowHeight = BoxHeight() + Gap;
    const std::vector<QRect> parents = RowBoxes(FParents.size(), Gap);
    const QRect self = RowBoxes(1, Gap + rowHeight).front();
    const std::vector<QRect> offspring = RowBoxes(FOffspring.size(), Gap + 2 * rowHeight);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1.5));
    // Lines first, so that the boxes cover their ends.
    for (const QRect& parent : parents)
        painter.drawLine(QPoint(parent.center().x(), parent.bottom()), QPoint(self.center().x(), self.top()));
    for (const QRect& young : offspring)
        painter.drawLine(QPoint(self.center().x(), self.bottom()), QPoint(young.center().x(), young.top()));
    for (size_t i = 0; i < parents.size(); ++i)
        DrawAnimal(painter, parents[i], FParents[i]);
    DrawAnimal(painter, self, FSelf);
    for (size_t i = 0; i < offspring.size(); ++i)
        DrawAnimal(painter, offspring[i], FOffspring[i]);
}
