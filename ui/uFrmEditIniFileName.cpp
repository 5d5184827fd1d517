#include "ui/uFrmEditIniFileName.h"

#include "storage/GeneSetFolder.h"
#include "ui/CoreText.h"
#include "ui/ShowMessage.h"

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
