#include "ui/kit/WidgetKit.h"

#include <QComboBox>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

QToolBar* MakeToolBar(QWidget* parent, const QString& name, std::initializer_list<QToolButton*> buttons) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(name);
    bar->setIconSize(QSize(34, 34));
    bar->setMovable(false);
    for (QToolButton* button : buttons) {
        button->setParent(bar);
        bar->addWidget(button);
    }
    bar->setMinimumWidth(bar->sizeHint().width());
    return bar;
}

QScrollArea* MakeRowBox(QWidget* parent, const QString& name) {
    auto* box = new QScrollArea(parent);
    box->setObjectName(name);
    box->setWidgetResizable(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* rows = new QWidget(box);
    auto* layout = new QVBoxLayout(rows);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    box->setWidget(rows);
    return box;
}

QVBoxLayout* RowsOf(const QScrollArea* box) {
    return static_cast<QVBoxLayout*>(box->widget()->layout());
}

QComboBox* MakeByteSelector(QWidget* parent) {
    auto* selector = new QComboBox(parent);
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setCompleter(nullptr);
    return selector;
}

int ShownEntry(const QComboBox* selector) {
    return selector->findText(selector->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

std::string EntryBytes(const QComboBox* selector, int entry) {
    return selector->itemData(entry).toByteArray().toStdString();
}
