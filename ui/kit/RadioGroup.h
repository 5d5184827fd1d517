// A radio group whose selected item is an index, -1 when no item is selected.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& name, const QStringList& items, QWidget* parent);

    int ItemIndex() const;
    // Selects an item without a click; -1 or an index past the items leaves none selected.
    void SetItemIndex(int index);
    int ItemCount() const;

signals:
    // The user clicked an item.
    void Click();

private:
    QButtonGroup* FButtons;
};
