// The Calculation tab: the two parents' selection strings and their possible hets, the options, the
// report, the clutch view and the grid, and the parent columns to pick genes from.
#pragma once

#include "model/PossibleHet.h"
#include "storage/PairingFile.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTextDocument;
class QPlainTextEdit;
class TCalcResult;
class TCalculationProgress;
struct TCalcOutcome;
class TClutchView;
class TGeneSetKeeper;
class TGridModel;
class TMorphEdit;
struct TMorphReading;
class TParentColumns;
class TRadioGroup;
enum class TParent;

class TCalculationTab : public QWidget {
    Q_OBJECT
public:
    // `keeper` outlives the tab.
    TCalculationTab(TGeneSetKeeper& keeper, QWidget* parent);
    ~TCalculationTab() override;

    // The result shown, none before the first.
    const TCalcResult* Result() const;
    // Calculates the pairing as the fields and options show it, beside the window unless it is small.
    void Calculate();
    // A calculation is running beside the window; its result is not shown yet.
    bool Calculating() const;
    void ClearAll();
    void PrintResults();
    void SaveResultsAsPdf();
    // Rebuilds the locus selectors of both parents and sets them from the two fields.
    void BuildParentSelection();
    // The pairing of the two fields, with the parents' possible hets.
    TPairing Pairing() const;
    void SetPairing(const TPairing& pairing);
    // One parent taken from elsewhere (an animal of the breeder's), as if described in words, and
    // calculated with the other parent.
    void UseParent(bool male, const TMorphReading& parent);
    // Whether the clutch view is shown is the window's own choice, kept in the main settings file only.
    void RestoreClutchViewChoice(const std::string& mainSettings);
    void KeepClutchViewChoice(const std::string& mainSettings);

signals:
    void CloseRequested();
    // A result, or the refusal or cancelling of one, is shown.
    void Calculated();

private:
    void ShowOutcome(std::shared_ptr<TCalcOutcome> outcome);
    // The report as printed: followed by the clutch view's table while the view is shown.
    std::unique_ptr<QTextDocument> PrintedReport() const;
    const std::vector<TPossibleHet>& Possible(TParent parent) const;
    // The selectors show what is typed into a field; typing may remove a possible het's gene from a field,
    // and with it the chance.
    void FollowTypedCodes();
    void ShowPossibleHets();
    void TakeParentSelection();
    // A parent described in words takes the genes and possible hets read from them.
    void TakeDescription(TParent parent, const TMorphReading& reading);
    void ApplyGeneSetState();
    void CollectGeneSetState();

    TGeneSetKeeper& FKeeper;
    TParentColumns* FParents;
    QLineEdit* FMaleCodesEdit;
    QLineEdit* FFemaleCodesEdit;
    TMorphEdit* FMaleMorphEdit;
    TMorphEdit* FFemaleMorphEdit;
    // Under each field: the parent's possible hets with their chances; hidden when it has none.
    QLabel* FMalePossibleHetsLabel;
    QLabel* FFemalePossibleHetsLabel;
    TRadioGroup* FRatioChoice;
    TRadioGroup* FCombiChoice;
    TRadioGroup* FPhenotypeChoice;
    TRadioGroup* FPossibleHetsChoice;
    QCheckBox* FClutchViewCheck;
    QPlainTextEdit* FReportView;
    QTableView* FGridView;
    QLabel* FGridNote; // beside the grid: it shows every possible het taken as het
    TClutchView* FClutchView;
    TGridModel* FGrid = nullptr;
    TCalculationProgress* FProgress;
    std::shared_ptr<TCalcOutcome> FOutcome;
};
