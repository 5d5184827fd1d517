#include "ui/window/NewGeneSetDialog.h"

#include "storage/GeneSetFolder.h"
#include "storage/ShippedGeneSets.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

QString GeneSetNameRefusal(const QString& name) {
    const std::string core = ToCore(name);
    if (!IsValidGeneSetName(core))
        return "\"" + name +
               "\" cannot be the name of a gene set: a name may not be \".\" or \"..\", nor hold \"/\", "
               "\"\\\" or control characters";
    if (IsMainSettingsName(core))
        return "A gene set cannot be named \"" + name + "\": that is the name of the main settings file";
    return {};
}

TNewGeneSetDialog::TNewGeneSetDialog(QWidget* owner) : QDialog(owner, Qt::Tool) {
    setObjectName("NewGeneSetDialog");
    setWindowTitle("Enter Ini-FileName");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("Snake type (ie. serpentia, GreenTreePythons etc)", this);
    label->setObjectName("NameCaption");
    layout->addWidget(label);
    SetNameEdit = new QLineEdit(this);
    SetNameEdit->setObjectName("SetNameEdit");
    layout->addWidget(SetNameEdit);
    // A breeder of another species starts from the set shipped for it instead of typing it in.
    StartFromSelector = new QComboBox(this);
    StartFromSelector->setObjectName("StartFromSelector");
    StartFromSelector->addItem("The set in memory");
    for (const std::string& name : ShippedGeneSetNames())
        StartFromSelector->addItem(FromCore(name), FromCore(name));
    auto* startFrom = new QFormLayout;
    startFrom->addRow("Start from", StartFromSelector);
    layout->addLayout(startFrom);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    OkButton = new QPushButton("OK", this);
    OkButton->setObjectName("OkButton");
    OkButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    connect(OkButton, &QPushButton::clicked, this, &TNewGeneSetDialog::TryAccept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewGeneSetDialog::SetExistingNames(const QStringList& names) {
    FExistingNames = names;
}

void TNewGeneSetDialog::SetSetInMemory(const QString& name) {
    if (!name.isEmpty())
        StartFromSelector->setItemText(0, "The set in memory (" + name + ")");
}

QString TNewGeneSetDialog::StartFrom() const {
    return StartFromSelector->currentData().toString();
}

void TNewGeneSetDialog::TryAccept() {
    if (SetNameEdit->text().isEmpty()) {
        ShowMessage("ERROR, first type a name");
        return;
    }
    if (SetNameEdit->text().toUpper().contains(".INI")) {
        QString name = SetNameEdit->text();
        name.remove(".INI", Qt::CaseSensitive);
        name.remove(".ini", Qt::CaseSensitive);
        SetNameEdit->setText(name);
        if (name.isEmpty()) {
            ShowMessage("ERROR, first type a name");
            return;
        }
    }
    const QString name = SetNameEdit->text();
    if (const QString refusal = GeneSetNameRefusal(name); !refusal.isEmpty()) {
        ShowMessage(refusal);
        return;
    }
    if (std::any_of(FExistingNames.begin(), FExistingNames.end(),
                    [&name](const QString& existing) { return SameTextIgnoringCase(existing, name); })) {
        ShowMessage("A gene set named \"" + name + "\" already exists");
        return;
    }
    FileName = name;
    accept();
}
