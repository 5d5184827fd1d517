// The pictures of the main window: the Images tab and the picture strip of the Gene management tab.
#include "ui/uFrmMain.h"

#include "storage/PictureFolder.h"
#include "ui/CoreText.h"
#include "ui/ShowMessage.h"
#include "ui/WidgetKit.h"
#include "ui/uPnlImageFrame.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Frames in the strip stand this far apart; each covers the blank right margin of the one before it.
constexpr int StripStep = 222;

QList<TpnlImageFrame*> FramesIn(const QScrollArea* box) {
    return box->widget()->findChildren<TpnlImageFrame*>(Qt::FindDirectChildrenOnly);
}

void FreeFrames(const QScrollArea* box) {
    const QList<TpnlImageFrame*> frames = FramesIn(box);
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame)
        delete *frame;
}

// The strip scrolls one frame further than the frames it shows.
void SetStripRange(const QScrollArea* strip, int frames) {
    strip->widget()->resize((frames + 1) * TpnlImageFrame::FrameWidth, TpnlImageFrame::FrameHeight);
}

} // namespace

void TfrmMain::BuildImagesTab() {
    tsImages = AddTab(new QWidget(pcMain), "tsImages", "Images");
    auto* layout = new QVBoxLayout(tsImages);
    layout->setContentsMargins(0, 0, 0, 0);
    sbxImages = MakeRowBox(tsImages, "sbxImages");
    layout->addWidget(sbxImages);

    sbxImages2->setWidget(new QWidget(sbxImages2));
    SetStripRange(sbxImages2, 0);
}

void TfrmMain::BuildImageFrames() {
    FreeFrames(sbxImages);
    QWidget* box = sbxImages->widget();
    QVBoxLayout* layout = RowsOf(sbxImages);
    // Every new frame enters at the top, so the last combination leads and the first gene comes last.
    const auto addFrame = [&](const QString& name) {
        auto* frame = new TpnlImageFrame(FFramePictures, box);
        frame->setObjectName(name);
        layout->insertWidget(0, frame, 0, Qt::AlignLeft);
        return frame;
    };
    for (int i = 0; i < LocusList().Count(); ++i) {
        TGeneList& genes = LocusList()[i]->Genes();
        for (int j = 0; j < genes.Count(); ++j)
            if (BearsPicture(*genes[j]))
                addFrame("pnlImageFrame" + QString::number(i) + "a" + QString::number(j))->SetGene(genes[j]);
    }
    for (int k = 0; k < CombiList().Count(); ++k)
        addFrame("pnlImageFrameCombi" + QString::number(k))->SetCombi(CombiList()[k]);
}

TpnlImageFrame* TfrmMain::AddStripFrame(const QString& name, int position) {
    auto* frame = new TpnlImageFrame(FFramePictures, sbxImages2->widget());
    frame->setObjectName(name);
    frame->move(position * StripStep, 0);
    frame->show();
    return frame;
}

void TfrmMain::ShowLocusImages(TLocus* locus) {
    FreeFrames(sbxImages2);
    int shown = 0;
    TGeneList& genes = locus->Genes();
    for (int j = 0; j < genes.Count(); ++j)
        if (BearsPicture(*genes[j]))
            AddStripFrame("pnlImageFrame1" + QString::number(j), shown++)->SetGene(genes[j]);
    SetStripRange(sbxImages2, shown);
}

void TfrmMain::ShowCombiImage(TCombi* combi) {
    FreeFrames(sbxImages2);
    AddStripFrame("pnlImageFrameCombi1", 0)->SetCombi(combi);
    SetStripRange(sbxImages2, 1);
}

void TfrmMain::ShowPictureProblem(const std::string& pictureFile, const std::string& message) {
    if (FReportedPictures.insert(pictureFile).second)
        ShowMessage(FromCore(message));
}

void TfrmMain::ForgetImageFrames() {
    FreeFrames(sbxImages);
    FreeFrames(sbxImages2);
}

void TfrmMain::ForgetImageFramesOf(const void* object) {
    for (const QScrollArea* box : {sbxImages, sbxImages2})
        for (TpnlImageFrame* frame : FramesIn(box))
            if (frame->Gene() == object || frame->Combi() == object)
                delete frame;
}
