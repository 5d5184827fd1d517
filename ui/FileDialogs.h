// The standard open and save dialogs, replaceable in tests so that no test waits on a modal dialog.
#pragma once

#include <QString>

#include <functional>

class QWidget;

// An empty result means the user cancelled.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter, const QString& defaultSuffix);

// Tests answer every dialog through this handler; an empty handler brings the dialogs back.
using TFileDialogHandler = std::function<QString(const QString& caption, const QString& filter)>;
void SetFileDialogHandler(TFileDialogHandler handler);
