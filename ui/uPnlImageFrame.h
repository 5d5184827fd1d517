// The image frame: the picture of one gene or combination with its name, and the button to pick a new one.
#pragma once

#include "ui/FileDialogs.h"

#include <QWidget>

#include <functional>
#include <string>

class QFrame;
class QImage;
class QLabel;
class QPushButton;
class TCombi;
class TGene;

// What the frames of one window share: the folder of the pictures, the gene set they belong to (the one
// the window's selector shows at the moment a picture is read or stored), and who hears of a damaged one.
struct TFramePictures {
    std::string AppDir;
    std::function<std::string()> GeneSetName;
    std::function<void(const std::string& pictureFile, const std::string& message)> ShowProblem;
};

class TpnlImageFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameWidth = 234;
    static constexpr int FrameHeight = 110;

    // `pictures` outlives the frame.
    TpnlImageFrame(const TFramePictures& pictures, QWidget* parent);

    // Binds the frame to the gene or combination, not owned, and shows its name and its picture.
    void SetGene(TGene* gene);
    void SetCombi(TCombi* combi);
    TGene* Gene() const { return FGene; }
    TCombi* Combi() const { return FCombi; }
    // The picture file of the bound gene or combination under its current name; empty when none is bound.
    std::string PictureFile() const;

    QFrame* Panel1;
    QLabel* Image;
    QLabel* lbDescription;
    QPushButton* btnImage;
    TOpenPictureDialog OpenPictureDialog1;

public slots:
    void btnImageClick();

private:
    void ShowNameAndPicture(const std::string& name);
    void ShowPicture(const QImage& picture);

    const TFramePictures& FPictures;
    TGene* FGene = nullptr;
    TCombi* FCombi = nullptr;
};
