// The dialog that asks for the name of a new gene set.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

class TNewGeneSetDialog : public QDialog {
    Q_OBJECT
public:
    explicit TNewGeneSetDialog(QWidget* owner);

    // Names of the gene sets that exist already; a new set may not take one of them.
    void SetExistingNames(const QStringList& names);

    // Names the set in memory as the first choice of "Start from".
    void SetSetInMemory(const QString& name);
    // The shipped set the new set starts from; empty for the set in memory.
    QString StartFrom() const;

    QString FileName; // the accepted name, set when OK is clicked

    QLineEdit* SetNameEdit;
    QComboBox* StartFromSelector;
    QPushButton* OkButton;
    QPushButton* CancelButton;

public slots:
    void TryAccept();

private:
    QStringList FExistingNames;
};

// Why `name` cannot be the name of a gene set of the application folder (a name that leads out of it, or
// the main settings file's); empty when it can.
QString GeneSetNameRefusal(const QString& name);
