// The standard open and save dialogs, replaceable in tests so that no test waits on a modal dialog.
#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

// The dialogs open first in `folder` (the application directory), then, within a run, in the folder of
// the file chosen last.
void SetFirstFileDialogFolder(const QString& folder);

// An empty result means the user cancelled.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& defaultSuffix);

// Writes a file the user chose in a save dialog, whole or not at all; tells the user when it cannot,
// naming the file. True when it is written.
bool WriteChosenFile(const QString& path, std::string_view content);

// The picture dialog: offers every picture format the window can read and previews the file under the
// cursor. An empty result means the user cancelled.
class TOpenPictureDialog {
public:
    explicit TOpenPictureDialog(QWidget* parent) : FParent(parent) {}
    QString Execute() const;

private:
    QWidget* FParent;
};

// Tests answer every dialog through this handler; an empty handler brings the dialogs back.
using TFileDialogHandler = std::function<QString(const QString& caption, const QString& filter)>;
void SetFileDialogHandler(TFileDialogHandler handler);
