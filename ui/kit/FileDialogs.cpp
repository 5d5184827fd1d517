#include "ui/kit/FileDialogs.h"

#include "storage/FileIO.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/ShowMessage.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace {

TFileDialogHandler& Handler() {
    static TFileDialogHandler handler;
    return handler;
}

QString& DialogFolder() {
    static QString folder;
    return folder;
}

// The folder of the chosen file is where the next dialog opens.
QString TakeChosenFile(const QFileDialog& dialog) {
    const QString file = dialog.selectedFiles().first();
    DialogFolder() = QFileInfo(file).absolutePath();
    return file;
}

QString Ask(QWidget* parent, const QString& caption, const QString& filter, QFileDialog::AcceptMode mode,
            const QString& defaultSuffix) {
    if (Handler())
        return Handler()(caption, filter);
    QFileDialog dialog(parent, caption, DialogFolder(), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return TakeChosenFile(dialog);
}

QString PictureFilter() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(suffix);
    return "All pictures (" + patterns.join(' ') + ");;JPEG Image File (*.jpg *.jpeg);;All files (*)";
}

constexpr int PreviewSide = 160;

void ShowPreview(QLabel* preview, const QString& path) {
    preview->clear();
    if (!QFileInfo(path).isFile())
        return;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > PreviewSide || size.height() > PreviewSide))
        reader.setScaledSize(size.scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (!image.isNull())
        preview->setPixmap(QPixmap::fromImage(image));
}

} // namespace

QString TOpenPictureDialog::Execute() const {
    const QString caption = "Open";
    if (Handler())
        return Handler()(caption, PictureFilter());
    QFileDialog dialog(FParent, caption, DialogFolder(), PictureFilter());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(PreviewSide, PreviewSide);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 3, 1, Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { ShowPreview(preview, path); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return TakeChosenFile(dialog);
}

void SetFirstFileDialogFolder(const QString& folder) {
    DialogFolder() = folder;
}

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return Ask(parent, caption, filter, QFileDialog::AcceptOpen, QString());
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                        const QString& defaultSuffix) {
    return Ask(parent, caption, filter, QFileDialog::AcceptSave, defaultSuffix);
}

bool WriteChosenFile(const QString& path, std::string_view content) {
    std::string message;
    if (CreateFileAtomically(QFile::encodeName(path).toStdString(), content, message))
        return true;
    ShowMessage(FromCore(message));
    return false;
}

void SetFileDialogHandler(TFileDialogHandler handler) {
    Handler() = std::move(handler);
}
