#include "ui/pictures/PictureFrame.h"

#include "model/Combi.h"
#include "model/Gene.h"
#include "storage/PictureFolder.h"
#include "ui/kit/CoreText.h"
#include "ui/kit/Pictures.h"
#include "ui/kit/ShowMessage.h"
#include "ui/kit/ThemeColors.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

TPictureFrame::TPictureFrame(const TFramePictures& pictures, QWidget* parent)
    : QWidget(parent), PictureDialog(this), FPictures(pictures) {
    setFixedSize(FrameWidth, FrameHeight);

    FramePanel = new QFrame(this);
    FramePanel->setObjectName("FramePanel");
    FramePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FramePanel->setGeometry(4, 5, 100, 100);
    // From the top-left corner; a picture larger than the area is shown scaled down to fit it.
    PictureLabel = new QLabel(FramePanel);
    PictureLabel->setObjectName("PictureLabel");
    PictureLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PictureLabel->setGeometry(FramePanel->contentsRect());

    // The text ends 18 pixels before the frame's right edge: in the picture strip the next frame covers
    // that margin.
    NameLabel = new QLabel(this);
    NameLabel->setObjectName("NameLabel");
    NameLabel->setGeometry(112, 8, 104, 64);
    NameLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NameLabel->setWordWrap(true);
    QFont bold = NameLabel->font();
    bold.setBold(true);
    NameLabel->setFont(bold);
    QPalette caption = NameLabel->palette();
    caption.setColor(QPalette::WindowText, CaptionColor(caption));
    NameLabel->setPalette(caption);

    PictureButton = new QPushButton("...", this);
    PictureButton->setObjectName("PictureButton");
    PictureButton->setGeometry(112, 78, 25, 22);
    connect(PictureButton, &QPushButton::clicked, this, &TPictureFrame::PickPicture);
}

void TPictureFrame::SetGene(TGene* gene) {
    FGene = gene;
    FCombi = nullptr;
    ShowNameAndPicture(gene->Name);
}

void TPictureFrame::SetCombi(TCombi* combi) {
    FGene = nullptr;
    FCombi = combi;
    ShowNameAndPicture(combi->Name);
}

std::string TPictureFrame::PictureFile() const {
    if (FGene == nullptr && FCombi == nullptr)
        return {};
    return PictureFilePath(FPictures.AppDir, FPictures.GeneSetName(),
                           FGene != nullptr ? FGene->Name : FCombi->Name);
}

void TPictureFrame::ShowNameAndPicture(const std::string& name) {
    NameLabel->setText(FromCore(name));
    PictureLabel->clear();
    TRgbImage picture;
    std::string message;
    const std::string file = PictureFile();
    const TReadResult read =
        ReadJpegFile(file, picture, message, {PictureLabel->width(), PictureLabel->height()});
    if (read == TReadResult::Ok)
        ShowPicture(ToQImage(picture));
    else if (read == TReadResult::Failed)
        FPictures.ShowProblem(file, message);
}

// Only a copy that fits the picture area is kept: a camera's photograph at full size would take some
// 90 MB in every frame that shows it.
void TPictureFrame::ShowPicture(const QImage& picture) {
    const QSize area = PictureLabel->size();
    if (picture.width() <= area.width() && picture.height() <= area.height())
        PictureLabel->setPixmap(QPixmap::fromImage(picture));
    else
        PictureLabel->setPixmap(
            QPixmap::fromImage(picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TPictureFrame::PickPicture() {
    const std::string pictureFile = PictureFile();
    if (pictureFile.empty())
        return;
    const QString chosen = PictureDialog.Execute();
    if (chosen.isEmpty())
        return;
    TChosenPicture picture;
    QString problem;
    if (!ReadChosenPicture(chosen, picture, problem)) {
        ShowMessage(problem);
        return;
    }
    // The frame shows the chosen picture even when it cannot be stored.
    ShowPicture(picture.Image);
    std::string message;
    if (!MakePictureFolder(FPictures.AppDir, message) || !StorePicture(pictureFile, picture, message))
        ShowMessage(FromCore(message));
}

QList<TPictureFrame*> FramesIn(const QScrollArea* box) {
    return box->widget()->findChildren<TPictureFrame*>(Qt::FindDirectChildrenOnly);
}

void FreeFrames(const QScrollArea* box) {
    const QList<TPictureFrame*> frames = FramesIn(box);
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame)
        delete *frame;
}

void FreeFramesOf(const QScrollArea* box, const void* object) {
    for (TPictureFrame* frame : FramesIn(box))
        if (frame->Gene() == object || frame->Combi() == object)
            delete frame;
}
