// The Images tab: a frame for every gene that bears a picture and for every combination, the last
// combination first and the first gene last; rebuilt whenever the set, its loci or its combinations change.
#pragma once

#include <QWidget>

class QScrollArea;
class TGeneSetKeeper;
struct TFramePictures;

class TPicturesTab : public QWidget {
    Q_OBJECT
public:
    // `keeper` and `pictures` outlive the tab.
    TPicturesTab(TGeneSetKeeper& keeper, const TFramePictures& pictures, QWidget* parent);
    void BuildFrames();

private:
    TGeneSetKeeper& FKeeper;
    const TFramePictures& FPictures;
    QScrollArea* FPicturesBox;
};
