#include "ui/genes/EditDialog.h"

#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"
#include "ui/kit/ToolPictures.h"

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
    bar->setObjectName("CloseWindowToolBar");
    bar->setIconSize(QSize(40, 40));
    CloseWindowButton = MakeToolButton(bar, "CloseWindowButton", "Close window", TToolPicture::CloseWindow);
    CloseWindowButton->setIconSize(QSize(40, 40));
    bar->addWidget(CloseWindowButton);
    layout->addWidget(bar);

    FBody = new QVBoxLayout;
    FFields = new QFormLayout;
    FBody->addLayout(FFields);
    layout->addLayout(FBody, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    OkButton = new QPushButton("OK", this);
    OkButton->setObjectName("OkButton");
    OkButton->setAutoDefault(okIsDefault);
    OkButton->setDefault(okIsDefault);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    connect(CloseWindowButton, &QToolButton::clicked, this, &TEditDialog::CloseWithCancel);
    connect(OkButton, &QPushButton::clicked, this, [this] {
        if (TryAccept())
            accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TEditDialog::CloseWithCancel() {
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
