#include "ui/EditDialog.h"

#include "ui/ImageLists.h"

#include <QFormLayout>
#include <QHBoxLayout>
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
        btnOKClick();
        accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TEditDialog::btnPrintClick() {
    reject();
}
