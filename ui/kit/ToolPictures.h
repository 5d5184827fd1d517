// The tool-bar pictures, 34 by 34 pixels: each in a plain version and one shown while the pointer is over it.
#pragma once

#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

// In the order of their files, resources/icons/images/0.svg to 9.svg and the same names under hot/.
enum class TToolPicture { Clear, ClearAll, Close, Delete, Edit, Calculate, Print, Refresh, Add, CloseWindow };

// The picture, with its brighter version shown while the pointer is over it.
QIcon ToolIcon(TToolPicture picture);

// A flat tool button with its hint and picture, named like the control it is.
QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& hint, TToolPicture picture);
