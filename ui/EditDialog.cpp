#include "ui/EditDialog.h"

#include "ui/CoreText.h"
#include "ui/ImageLists.h"
#include "ui/ShowMessage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TEditDialog::TEditDialog(QWidget* owner, const QString& name, const QString& caption, bool okIsDefault)
    : QDialog(owner) {
    setObjectName(name);
    setWindowTitle(caption);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    bar->setIconSize(QSize(40, 40));
    btnPrint = MakeToolButton(bar, "btnPrint", "Close window", iiCloseWindow);
    btnPrint->setIconSize(QSize(40, 40));
    bar->addWidget(btnPrint);
    layout->addWidget(bar);

    FBody = new QVBoxLayout;
    FFields = new QFormLayout;
    FBody->addLayout(FFields);
    layout->addLayout(FBody, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setAutoDefault(okIsDefault);
    btnOK->setDefault(okIsDefault);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setAutoDefault(false);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    connect(btnPrint, &QToolButton::clicked, this, &TEditDialog::btnPrintClick);
    connect(btnOK, &QPushButton::clicked, this, [this] {
        if (btnOKClick())
            accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TEditDialog::btnPrintClick() {
    reject();
}

std::optional<std::string> TEditDialog::StoredText(QLineEdit* field) const {
    std::optional<std::string> text = CoreTextOf(field, FEncoding);
    if (!text) {
        ShowMessage("This gene set's file is written in Windows-1252, which has no \"" +
                    FirstCharacterNotHeld(field->text(), FEncoding) + "\": please type the text without it.");
        field->setFocus();
    }
    return text;
}
