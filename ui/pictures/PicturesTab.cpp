#include "ui/pictures/PicturesTab.h"

#include "storage/PictureFolder.h"
#include "ui/geneset/GeneSetKeeper.h"
#include "ui/kit/WidgetKit.h"
#include "ui/pictures/PictureFrame.h"

#include <QScrollArea>
#include <QVBoxLayout>

TPicturesTab::TPicturesTab(TGeneSetKeeper& keeper, const TFramePictures& pictures, QWidget* parent)
    : QWidget(parent), FKeeper(keeper), FPictures(pictures) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FPicturesBox = MakeRowBox(this, "PicturesBox");
    layout->addWidget(FPicturesBox);
    connect(&keeper, &TGeneSetKeeper::ReleasingAll, this, [this] { FreeFrames(FPicturesBox); });
    connect(&keeper, &TGeneSetKeeper::Removing, this,
            [this](const void* object) { FreeFramesOf(FPicturesBox, object); });
    connect(&keeper, &TGeneSetKeeper::LociChanged, this, &TPicturesTab::BuildFrames);
    connect(&keeper, &TGeneSetKeeper::CombisChanged, this, &TPicturesTab::BuildFrames);
}

void TPicturesTab::BuildFrames() {
    FreeFrames(FPicturesBox);
    QWidget* box = FPicturesBox->widget();
    QVBoxLayout* layout = RowsOf(FPicturesBox);
    // Every new frame enters at the top, so the last combination leads and the first gene comes last.
    const auto addFrame = [&](const QString& name) {
        auto* frame = new TPictureFrame(FPictures, box);
        frame->setObjectName(name);
        layout->insertWidget(0, frame, 0, Qt::AlignLeft);
        return frame;
    };
    TLocusList& loci = FKeeper.LocusList();
    for (int i = 0; i < loci.Count(); ++i) {
        TGeneList& genes = loci[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j)
            if (BearsPicture(*genes[j]))
                addFrame("PictureFrame" + QString::number(i) + "a" + QString::number(j))->SetGene(genes[j]);
    }
    TCombiList& combis = FKeeper.CombiList();
    for (int k = 0; k < combis.Count(); ++k)
        addFrame("PictureFrameCombi" + QString::number(k))->SetCombi(combis[k]);
}
