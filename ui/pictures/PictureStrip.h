// The picture strip under the lists of the Gene management tab: the pictures of the selected locus's
// genes, or of the selected combination, side by side.
#pragma once

#include <QScrollArea>

class TCombi;
class TLocus;
class TPictureFrame;
struct TFramePictures;

class TPictureStrip : public QScrollArea {
    Q_OBJECT
public:
    // `pictures` outlives the strip.
    TPictureStrip(const TFramePictures& pictures, QWidget* parent);
    void ShowLocus(TLocus& locus);
    void ShowCombi(TCombi* combi);

private:
    // A frame `position` frames from the strip's left end.
    TPictureFrame* AddFrame(const QString& name, int position);
    // The strip scrolls one frame further than the frames it shows.
    void SetRange(int frames);

    const TFramePictures& FPictures;
};
