// The widget kit of the dialogs: input widgets that accept only what Windows-1252 can hold,
// labelled rows, and filling widgets from the forms' texts.
#pragma once

#include "shell/qt/cp1252.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace shell {

// A line edit that accepts only what Windows-1252 can hold, at most maximumWidth pixels wide
// when one is given.
inline QLineEdit* textEdit(QWidget* parent, int maximumWidth = 0) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new Cp1252Validator(edit));
    if (maximumWidth > 0)
        edit->setMaximumWidth(maximumWidth);
    return edit;
}

// A flat arrow button, as beside the account fields of the booking dialogs.
inline QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    return button;
}

inline QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// Refills the combo box with the texts and selects the given one (the first when absent),
// without emitting signals.
inline void fillCombo(QComboBox* combo, const std::vector<std::string>& texts,
                      const std::string& selected) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& text : texts)
        combo->addItem(toQString(text));
    const int index = combo->findText(toQString(selected), Qt::MatchExactly);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

inline std::string comboText(const QComboBox* combo) {
    return toCp1252(combo->currentText());
}

// A read-only list of records over a model, one selected row at a time. Fixed row heights and
// column widths measured on the first rows only keep lists of 100 000 rows fast.
inline void setUpRecordList(QTableView* table, QAbstractItemModel* model) {
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setResizeContentsPrecision(200);
    table->horizontalHeader()->setStretchLastSection(true);
}

// A flat list whose rows carry check boxes in their first column.
inline QTreeWidget* checkList(const QStringList& headers, int columnWidth, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    for (int i = 0; i < headers.size(); ++i)
        list->setColumnWidth(i, columnWidth);
    return list;
}

inline void addCheckRow(QTreeWidget* list, const std::vector<std::string>& cells, bool ticked) {
    auto* item = new QTreeWidgetItem(list);
    for (size_t i = 0; i < cells.size(); ++i)
        item->setText(int(i), toQString(cells[i]));
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

inline bool isTicked(const QTreeWidget* list, int row) {
    return list->topLevelItem(row)->checkState(0) == Qt::Checked;
}

} // namespace shell
