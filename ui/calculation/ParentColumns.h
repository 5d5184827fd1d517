// The Male and Female pages of the Calculation tab: a selector per locus for each parent, holding the
// parent's genes and possible hets, and a button that sets one parent back to normal.
#pragma once

#include "model/PossibleHet.h"

#include <QTabWidget>

#include <string>
#include <vector>

class QComboBox;
class QScrollArea;
class QVBoxLayout;
class TLocusList;

enum class TParent { Male, Female };

class TParentColumns : public QTabWidget {
    Q_OBJECT
public:
    explicit TParentColumns(QWidget* parent);
    // A selector per locus of `loci` for both parents, showing the pairing of the two selection strings.
    void Build(TLocusList& loci, const std::string& male, const std::string& female);
    // Every selector shows the gene the selection strings give its locus, or normal.
    void ShowSelections(const std::string& male, const std::string& female);
    // The selection string the parent's selectors show.
    std::string Selection(TParent parent) const;
    // The genes of the parent's selection string that are only possible hets, with their chances.
    const std::vector<TPossibleHet>& Possible(TParent parent) const { return Column(parent).Possible; }
    void SetPossible(TParent parent, std::vector<TPossibleHet> possible) {
        Column(parent).Possible = std::move(possible);
    }
    // Takes the possible hets the selectors show as the parents'.
    void TakeShownPossibleHets();
    // Every selector of the parent back to normal.
    void Clear(TParent parent);
    QSize sizeHint() const override;

signals:
    // A gene picked or typed in a selector, or a parent cleared.
    void SelectionChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct TColumn {
        QScrollArea* Box = nullptr;
        QVBoxLayout* Rows = nullptr;
        std::vector<QComboBox*> Selectors; // one per locus, in locus order
        std::vector<TPossibleHet> Possible;
    };

    void BuildPage(const QString& side, TParent parent, const QString& hint);
    void BuildColumn(TColumn& column, TLocusList& loci);
    // The widths of the pages with the locus names beside and above the selectors.
    void MeasureRows();
    void ArrangeRows();
    void SelectGenes(TColumn& column, const std::string& selection);
    TColumn& Column(TParent parent) { return parent == TParent::Male ? FMale : FFemale; }
    const TColumn& Column(TParent parent) const { return parent == TParent::Male ? FMale : FFemale; }

    TColumn FMale;
    TColumn FFemale;
    int FSideBySideWidth = 0;
};
