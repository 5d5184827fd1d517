#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace {

TFileDialogHandler& Handler() {
    static TFileDialogHandler handler;
    return handler;
}

QString Ask(QWidget* parent, const QString& caption, const QString& filter, QFileDialog::AcceptMode mode,
            const QString& defaultSuffix) {
    if (Handler())
        return Handler()(caption, filter);
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return Ask(parent, caption, filter, QFileDialog::AcceptOpen, QString());
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter, const QString& defaultSuffix) {
    return Ask(parent, caption, filter, QFileDialog::AcceptSave, defaultSuffix);
}

void SetFileDialogHandler(TFileDialogHandler handler) { Handler() = std::move(handler); }
