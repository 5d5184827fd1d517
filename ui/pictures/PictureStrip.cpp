#include "ui/pictures/PictureStrip.h"

#include "model/Locus.h"
#include "storage/PictureFolder.h"
#include "ui/pictures/PictureFrame.h"

namespace {

// Frames in the strip stand this far apart; each covers the blank right margin of the one before it.
constexpr int StripStep = 222;

} // namespace

TPictureStrip::TPictureStrip(const TFramePictures& pictures, QWidget* parent)
    : QScrollArea(parent), FPictures(pictures) {
    setObjectName("PictureStrip");
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedHeight(134);
    setWidget(new QWidget(this));
    SetRange(0);
}

void TPictureStrip::SetRange(int frames) {
    widget()->resize((frames + 1) * TPictureFrame::FrameWidth, TPictureFrame::FrameHeight);
}

TPictureFrame* TPictureStrip::AddFrame(const QString& name, int position) {
    auto* frame = new TPictureFrame(FPictures, widget());
    frame->setObjectName(name);
    frame->move(position * StripStep, 0);
    frame->show();
    return frame;
}

void TPictureStrip::ShowLocus(TLocus& locus) {
    FreeFrames(this);
    int shown = 0;
    TGeneList& genes = locus.Genes();
    for (int j = 0; j < genes.Count(); ++j)
        if (BearsPicture(*genes[j]))
            AddFrame("PictureFrame1" + QString::number(j), shown++)->SetGene(genes[j]);
    SetRange(shown);
}

void TPictureStrip::ShowCombi(TCombi* combi) {
    FreeFrames(this);
    AddFrame("PictureFrameCombi1", 0)->SetCombi(combi);
    SetRange(1);
}
