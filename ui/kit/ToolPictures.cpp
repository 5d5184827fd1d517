#include "ui/kit/ToolPictures.h"

#include <QToolButton>

QIcon ToolIcon(TToolPicture picture) {
    const QString file = QString::number(static_cast<int>(picture)) + ".svg";
    QIcon icon;
    icon.addFile(":/icons/images/" + file, QSize(34, 34), QIcon::Normal);
    icon.addFile(":/icons/hot/" + file, QSize(34, 34), QIcon::Active);
    return icon;
}

QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& hint, TToolPicture picture) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(ToolIcon(picture));
    button->setIconSize(QSize(34, 34));
    button->setAutoRaise(true);
    return button;
}
