#include "ui/calculation/MorphEdit.h"

#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/CoreText.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TMorphEdit::TMorphEdit(const QString& side, const TGeneSetKeeper& keeper, QWidget* parent)
    : QWidget(parent), FKeeper(keeper) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FWordsEdit = new QLineEdit(this);
    FWordsEdit->setObjectName(side + "MorphEdit");
    FWordsEdit->setPlaceholderText("in words");
    FWordsEdit->setToolTip("Describe the " + side.toLower() +
                           " as breeders write it: gene and combination names, \"het\", \"poss het\", "
                           "\"66% poss het\", \"ph\"; Enter sets the selectors");
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

void TMorphEdit::Read() {
    FWordsEdit->setModified(false);
    const TGeneSet& set = FKeeper.GeneSet();
    // In the encoding of the set's names; a character the encoding lacks is no name of the set anyway.
    const std::string words = CoreTextOf(FWordsEdit, set.Encoding).value_or(CoreTextOf(FWordsEdit));
    const TMorphReading reading = ReadMorph(words, set.LocusList, set.CombiList);
    FProblemLabel->setText(FromCore(reading.Message()));
    FProblemLabel->setVisible(!reading.Understood());
    if (reading.Understood())
        emit Described(reading);
}
