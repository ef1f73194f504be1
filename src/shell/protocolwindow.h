// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol window of a lab: the recorded rows as a table in the
// language of the day, units in the headers, a row taken while a pointer
// still moved in italics with its note; rows can be removed (Delete), and
// the protocol saved as CSV or printed from here as from the menu. The
// window is a child of the lab window that shows it and closes with it;
// the rows belong to the lab window object and live for the whole run.
#pragma once

#include "calc/protocol.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;
class QTableView;

namespace ohmaris {

class LabProtocol;

// A protocol table for a view.
class ProtocolModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ProtocolTable table);
    const ProtocolTable &table() const { return m_table; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ProtocolTable m_table;
};

class ProtocolWindow : public QDialog {
    Q_OBJECT
public:
    ProtocolWindow(LabProtocol &protocol, QWidget *owner);

    QTableView *table() const { return m_table; }
    ProtocolModel *model() const { return m_model; }
    // Shows the rows as they are now, in the current language; the newest
    // row is selected after a record.
    void Refresh();
    // Removes the selected rows.
    void RemoveSelected();

protected:
    void changeEvent(QEvent *e) override;

private:
    void Retranslate();

    LabProtocol &m_protocol;
    ProtocolModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_saveCsv = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
    int m_rowsShown = 0;
    int m_selectAfterRemoval = -1;
};

} // namespace ohmaris
