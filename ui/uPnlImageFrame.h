// The image frame: the picture of one gene or combination with its name, and the button to pick a new one.
#pragma once

#include "ui/FileDialogs.h"

#include <QWidget>

#include <string>

class QFrame;
class QImage;
class QLabel;
class QPushButton;
class TCombi;
class TGene;
class TfrmMain;

class TpnlImageFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameWidth = 234;
    static constexpr int FrameHeight = 110;

    // The picture's file is named after the gene set the main window's selector shows; the main window
    // reports a damaged picture.
    TpnlImageFrame(TfrmMain& mainWindow, QWidget* parent);

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

    TfrmMain& FMainWindow;
    TGene* FGene = nullptr;
    TCombi* FCombi = nullptr;
};
