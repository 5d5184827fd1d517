#include "ui/uPnlImageFrame.h"

#include "model/Combi.h"
#include "model/Gene.h"
#include "storage/PictureFolder.h"
#include "ui/CoreText.h"
#include "ui/Pictures.h"
#include "ui/ShowMessage.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TpnlImageFrame::TpnlImageFrame(const TFramePictures& pictures, QWidget* parent)
    : QWidget(parent), OpenPictureDialog1(this), FPictures(pictures) {
    setFixedSize(FrameWidth, FrameHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(4, 5, 100, 100);
    // From the top-left corner; a picture larger than the area is shown scaled down to fit it.
    Image = new QLabel(Panel1);
    Image->setObjectName("Image");
    Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image->setGeometry(Panel1->contentsRect());

    // The text ends 18 pixels before the frame's right edge: in the picture strip the next frame covers
    // that margin.
    lbDescription = new QLabel(this);
    lbDescription->setObjectName("lbDescription");
    lbDescription->setGeometry(112, 8, 104, 64);
    lbDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbDescription->setWordWrap(true);
    QFont bold = lbDescription->font();
    bold.setBold(true);
    lbDescription->setFont(bold);
    QPalette navy = lbDescription->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lbDescription->setPalette(navy);

    btnImage = new QPushButton("...", this);
    btnImage->setObjectName("btnImage");
    btnImage->setGeometry(112, 78, 25, 22);
    connect(btnImage, &QPushButton::clicked, this, &TpnlImageFrame::btnImageClick);
}

void TpnlImageFrame::SetGene(TGene* gene) {
    FGene = gene;
    FCombi = nullptr;
    ShowNameAndPicture(gene->Name);
}

void TpnlImageFrame::SetCombi(TCombi* combi) {
    FGene = nullptr;
    FCombi = combi;
    ShowNameAndPicture(combi->Name);
}

std::string TpnlImageFrame::PictureFile() const {
    if (FGene == nullptr && FCombi == nullptr)
        return {};
    return PictureFilePath(FPictures.AppDir, FPictures.GeneSetName(),
                           FGene != nullptr ? FGene->Name : FCombi->Name);
}

void TpnlImageFrame::ShowNameAndPicture(const std::string& name) {
    lbDescription->setText(FromCore(name));
    Image->clear();
    TRgbImage picture;
    std::string message;
    const std::string file = PictureFile();
    const TReadResult read = ReadJpegFile(file, picture, message, {Image->width(), Image->height()});
    if (read == TReadResult::Ok)
        ShowPicture(ToQImage(picture));
    else if (read == TReadResult::Failed)
        FPictures.ShowProblem(file, message);
}

// Only a copy that fits the picture area is kept: a camera's photograph at full size would take some
// 90 MB in every frame that shows it.
void TpnlImageFrame::ShowPicture(const QImage& picture) {
    const QSize area = Image->size();
    if (picture.width() <= area.width() && picture.height() <= area.height())
        Image->setPixmap(QPixmap::fromImage(picture));
    else
        Image->setPixmap(
            QPixmap::fromImage(picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TpnlImageFrame::btnImageClick() {
    const std::string pictureFile = PictureFile();
    if (pictureFile.empty())
        return;
    const QString chosen = OpenPictureDialog1.Execute();
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
    if (!StorePicture(pictureFile, picture, message))
        ShowMessage(FromCore(message));
}
