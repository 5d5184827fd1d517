// The tool-bar pictures: the image lists Images and HotImages, 34 by 34 pixels, shared by index.
#pragma once

#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

enum TImageIndex {
    iiClear = 0,
    iiClearAll,
    iiClose,
    iiDelete,
    iiEdit,
    iiCalculate,
    iiPrint,
    iiRefresh,
    iiAdd,
    iiCloseWindow
};

// Picture `index` of Images, with the matching picture of HotImages shown while the pointer is over it.
QIcon ToolIcon(int index);

// A flat tool button with its hint and picture, named like the control it is.
QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& hint, int imageIndex);
