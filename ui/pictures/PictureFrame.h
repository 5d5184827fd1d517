// The image frame: the picture of one gene or combination with its name, and the button to pick a new one.
#pragma once

#include "ui/kit/FileDialogs.h"

#include <QWidget>

#include <functional>
#include <string>

class QFrame;
class QImage;
class QLabel;
class QPushButton;
class QScrollArea;
class TCombi;
class TGene;

// What the frames of one window share: the folder of the pictures, the gene set they belong to (the one
// the window's selector shows at the moment a picture is read or stored), and who hears of a damaged one.
struct TFramePictures {
    std::string AppDir;
    std::function<std::string()> GeneSetName;
    std::function<void(const std::string& pictureFile, const std::string& message)> ShowProblem;
};

class TPictureFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameWidth = 234;
    static constexpr int FrameHeight = 110;

    // `pictures` outlives the frame.
    TPictureFrame(const TFramePictures& pictures, QWidget* parent);

    // Binds the frame to the gene or combination, not owned, and shows its name and its picture.
    void SetGene(TGene* gene);
    void SetCombi(TCombi* combi);
    TGene* Gene() const { return FGene; }
    TCombi* Combi() const { return FCombi; }
    // The picture file of the bound gene or combination under its current name; empty when none is bound.
    std::string PictureFile() const;

    QFrame* FramePanel;
    QLabel* PictureLabel;
    QLabel* NameLabel;
    QPushButton* PictureButton;
    TOpenPictureDialog PictureDialog;

public slots:
    void PickPicture();

private:
    void ShowNameAndPicture(const std::string& name);
    void ShowPicture(const QImage& picture);

    const TFramePictures& FPictures;
    TGene* FGene = nullptr;
    TCombi* FCombi = nullptr;
};

// The frames a scroll box shows, in the order they were made.
QList<TPictureFrame*> FramesIn(const QScrollArea* box);
// Frees every frame of the box, the newest first.
void FreeFrames(const QScrollArea* box);
// Frees the frames of the box that show this gene or combination, before it is freed.
void FreeFramesOf(const QScrollArea* box, const void* object);
