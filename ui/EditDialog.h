// The frame the edit dialogs share: a "Close window" tool button on top, fields, OK and Cancel at the bottom.
#pragma once

#include <QDialog>

class QFormLayout;
class QPushButton;
class QToolButton;
class QVBoxLayout;

class TEditDialog : public QDialog {
    Q_OBJECT
public:
    QToolButton* btnPrint; // hint "Close window"
    QPushButton* btnOK;
    QPushButton* btnCancel;

public slots:
    // The "Close window" tool button: closes the dialog with Cancel.
    void btnPrintClick();

protected:
    // OK runs `btnOKClick` of the dialog and then closes it with OK.
    TEditDialog(QWidget* owner, const QString& name, const QString& caption, bool okIsDefault);

    virtual void btnOKClick() = 0;

    QFormLayout* Fields() const { return FFields; }
    QVBoxLayout* Body() const { return FBody; }

private:
    QFormLayout* FFields;
    QVBoxLayout* FBody;
};
