#include "ui/geneset/MorphEdit.h"

#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/CoreText.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TMorphEdit::TMorphEdit(const QString& side, const TGeneSetKeeper& keeper, QWidget* parent,
                       const QString& enterDoes)
    : QWidget(parent), FKeeper(keeper) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FWordsEdit = new QLineEdit(this);
    FWordsEdit->setObjectName(side + "MorphEdit");
    FWordsEdit->setPlaceholderText("in words");
    FWordsEdit->setToolTip("Describe the " + side.toLower() +
                           " as breeders write it: gene and combination names, \"het\", \"poss het\", "
                           "\"66% poss het\", \"ph\"; " +
                           enterDoes);
    FWordsEdit->setMinimumWidth(70);
    FWordsEdit->setClearButtonEnabled(true);
    FProblemLabel = new QLabel(this);
    FProblemLabel->setObjectName(side + "MorphProblemLabel");
    FProblemLabel->setWordWrap(true);
    FProblemLabel->setForegroundRole(QPalette::PlaceholderText);
    FProblemLabel->hide();
    layout->addWidget(FWordsEdit);
    layout->addWidget(FProblemLabel);
    connect(FWordsEdit, &QLineEdit::editingFinished, this, [this] {
        if (FWordsEdit->isModified())
            Read();
    });
}

void TMorphEdit::Forget() {
    FWordsEdit->clear();
    FProblemLabel->hide();
}

// In the encoding of the set's names; a character the encoding lacks is no name of the set anyway.
std::string TMorphEdit::Words() const {
    return CoreTextOf(FWordsEdit, FKeeper.GeneSet().Encoding).value_or(CoreTextOf(FWordsEdit));
}

void TMorphEdit::SetWords(const std::string& words) {
    SetCoreText(FWordsEdit, words);
    FProblemLabel->hide();
}

TMorphReading TMorphEdit::Reading() {
    const TGeneSet& set = FKeeper.GeneSet();
    const TMorphReading reading = ReadMorph(Words(), set.LocusList, set.CombiList);
    FProblemLabel->setText(FromCore(reading.Message()));
    FProblemLabel->setVisible(!reading.Understood());
    return reading;
}

void TMorphEdit::Read() {
    FWordsEdit->setModified(false);
    const TMorphReading reading = Reading();
    if (reading.Understood())
        emit Described(reading);
}
