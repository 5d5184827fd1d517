#include "ui/kit/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& name, const QStringList& items, QWidget* parent)
    : QGroupBox(parent), FButtons(new QButtonGroup(this)) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(name + QString::number(i));
        FButtons->addButton(button, i);
        layout->addWidget(button);
    }
    connect(FButtons, &QButtonGroup::idClicked, this, [this] { emit Click(); });
}

int TRadioGroup::ItemIndex() const {
    return FButtons->checkedId();
}

int TRadioGroup::ItemCount() const {
    return static_cast<int>(FButtons->buttons().size());
}

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = FButtons->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last checked button; lift exclusivity for a moment.
    FButtons->setExclusive(false);
    for (QAbstractButton* button : FButtons->buttons())
        button->setChecked(false);
    FButtons->setExclusive(true);
}
