// An animal's family drawn as a small tree: its parents above it, its offspring below, each with its look
// and its chances, for the breeder who would rather look than read.
#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

// One animal of the tree: its name, then the lines written under it (its look, its chances).
struct TTreeAnimal {
    QString Name;
    QStringList Lines;
};

class TFamilyTree : public QWidget {
    Q_OBJECT
public:
    explicit TFamilyTree(QWidget* parent);

    // `parents` (sire first) and `offspring` around the animal `self`; an empty name draws nothing.
    void ShowFamily(std::vector<TTreeAnimal> parents, TTreeAnimal self, std::vector<TTreeAnimal> offspring);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The boxes of one row, centred across the width, at height `top`.
    std::vector<QRect> RowBoxes(size_t count, int top) const;
    void DrawAnimal(QPainter& painter, const QRect& box, const TTreeAnimal& animal) const;
    int BoxHeight() const;

    std::vector<TTreeAnimal> FParents;
    TTreeAnimal FSelf;
    std::vector<TTreeAnimal> FOffspring;
};
