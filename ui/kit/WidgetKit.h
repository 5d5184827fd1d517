// Builders for the controls the window's tabs have in common.
#pragma once

#include <QString>

#include <initializer_list>
#include <string>

class QComboBox;
class QScrollArea;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class QWidget;

// A fixed tool bar of 34 by 34 pixel buttons, never narrower than its buttons.
QToolBar* MakeToolBar(QWidget* parent, const QString& name, std::initializer_list<QToolButton*> buttons);

// A vertically scrolling box whose rows stack from the top.
QScrollArea* MakeRowBox(QWidget* parent, const QString& name);
// The layout of a row box's rows; new rows go before its closing stretch.
QVBoxLayout* RowsOf(const QScrollArea* box);

// An editable drop-down list whose entries (added with their bytes as item data) stand for exact bytes;
// typing neither adds an entry nor completes one.
QComboBox* MakeByteSelector(QWidget* parent);
// The entry whose text the list shows, matched exactly; -1 where the text was typed.
int ShownEntry(const QComboBox* selector);
std::string EntryBytes(const QComboBox* selector, int entry);
