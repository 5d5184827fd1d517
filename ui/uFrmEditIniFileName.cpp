#include "ui/uFrmEditIniFileName.h"

#include "storage/GeneSetFolder.h"
#include "storage/ShippedGeneSets.h"
#include "ui/CoreText.h"
#include "ui/ShowMessage.h"

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

TfrmEditIniFileName::TfrmEditIniFileName(QWidget* owner) : QDialog(owner, Qt::Tool) {
    setObjectName("frmEditIniFileName");
    setWindowTitle("Enter Ini-FileName");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("Snake type (ie. serpentia, GreenTreePythons etc)", this);
    label->setObjectName("Label1");
    layout->addWidget(label);
    edInput = new QLineEdit(this);
    edInput->setObjectName("edInput");
    layout->addWidget(edInput);
    // A breeder of another species starts from the set shipped for it instead of typing it in.
    cbxStartFrom = new QComboBox(this);
    cbxStartFrom->setObjectName("cbxStartFrom");
    cbxStartFrom->addItem("The set in memory");
    for (const std::string& name : ShippedGeneSetNames())
        cbxStartFrom->addItem(FromCore(name), FromCore(name));
    auto* startFrom = new QFormLayout;
    startFrom->addRow("Start from", cbxStartFrom);
    layout->addLayout(startFrom);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &TfrmEditIniFileName::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmEditIniFileName::SetExistingNames(const QStringList& names) {
    FExistingNames = names;
}

void TfrmEditIniFileName::SetSetInMemory(const QString& name) {
    if (!name.isEmpty())
        cbxStartFrom->setItemText(0, "The set in memory (" + name + ")");
}

QString TfrmEditIniFileName::StartFrom() const {
    return cbxStartFrom->currentData().toString();
}

void TfrmEditIniFileName::btnOKClick() {
    if (edInput->text().isEmpty()) {
        ShowMessage("ERROR, first type a name");
        return;
    }
    if (edInput->text().toUpper().contains(".INI")) {
        QString name = edInput->text();
        name.remove(".INI", Qt::CaseSensitive);
        name.remove(".ini", Qt::CaseSensitive);
        edInput->setText(name);
        if (name.isEmpty()) {
            ShowMessage("ERROR, first type a name");
            return;
        }
    }
    const QString name = edInput->text();
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
