#include "ui/kit/ImageLists.h"

#include <QToolButton>

QIcon ToolIcon(int index) {
    const QString file = QString::number(index) + ".svg";
    QIcon icon;
    icon.addFile(":/icons/images/" + file, QSize(34, 34), QIcon::Normal);
    icon.addFile(":/icons/hot/" + file, QSize(34, 34), QIcon::Active);
    return icon;
}

QToolButton* MakeToolButton(QWidget* parent, const QString& name, const QString& hint, int imageIndex) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(ToolIcon(imageIndex));
    button->setIconSize(QSize(34, 34));
    button->setAutoRaise(true);
    return button;
}
