// The frame the edit dialogs share: a "Close window" tool button on top, fields, OK and Cancel at the bottom.
#pragma once

#include "model/Text.h"

#include <QDialog>

#include <optional>
#include <string>

class QFormLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

class TEditDialog : public QDialog {
    Q_OBJECT
public:
    QToolButton* CloseWindowButton; // hint "Close window"
    QPushButton* OkButton;
    QPushButton* CancelButton;

    // Texts typed here are stored as the gene set's file writes its texts.
    void SetTextEncoding(TTextEncoding encoding) { FEncoding = encoding; }

public slots:
    // The "Close window" tool button: closes the dialog with Cancel.
    void CloseWithCancel();

protected:
    // OK runs `TryAccept` of the dialog and then closes it with OK, unless it answers false.
    TEditDialog(QWidget* owner, const QString& name, const QString& caption, bool okIsDefault);

    virtual bool TryAccept() = 0;

    // The field's text as the gene set stores it; nothing, with a message and the field focused, when the
    // set's encoding has no byte for one of its characters.
    std::optional<std::string> StoredText(QLineEdit* field) const;

    QFormLayout* Fields() const { return FFields; }
    QVBoxLayout* Body() const { return FBody; }

private:
    QFormLayout* FFields;
    QVBoxLayout* FBody;
    TTextEncoding FEncoding = TTextEncoding::Utf8;
};
