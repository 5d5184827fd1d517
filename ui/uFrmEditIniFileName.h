// The dialog that asks for the name of a new gene set.
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

class TfrmEditIniFileName : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditIniFileName(QWidget* owner);

    // Names of the gene sets that exist already; a new set may not take one of them.
    void SetExistingNames(const QStringList& names);

    QString FileName; // the accepted name, set when OK is clicked

    QLineEdit* edInput;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public slots:
    void btnOKClick();

private:
    QStringList FExistingNames;
};

// The refusal of a name that cannot be a gene-set file of the application folder.
QString InvalidGeneSetNameMessage(const QString& name);
