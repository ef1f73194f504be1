// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol window and its table model.
#include "shell/protocolwindow.h"

#include "shell/labwindow.h"
#include "shell/protocolactions.h"

#include <QAction>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace ohmaris {

void ProtocolModel::setTable(ProtocolTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int ProtocolModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int ProtocolModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.headers.size());
}

QVariant ProtocolModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const std::size_t row = std::size_t(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_table.rows[row].value(index.column());
    case Qt::FontRole:
        if (m_table.moving[row]) {
            QFont f;
            f.setItalic(true);
            return f;
        }
        return {};
    case Qt::TextAlignmentRole:
        // Numbers to the right, the note (the last column) to the left.
        return index.column() == columnCount() - 1 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                   : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ProtocolModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return m_table.headers.value(section);
}

ProtocolWindow::ProtocolWindow(LabProtocol &protocol, QWidget *owner)
    : QDialog(owner), m_protocol(protocol)
{
    setObjectName(QStringLiteral("ProtocolWindow"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_model = new ProtocolModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("ProtocolTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // Delete removes the selected rows while the table has the keyboard.
    auto *remove = new QAction(m_table);
    remove->setObjectName(QStringLiteral("ProtocolRemoveKey"));
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(remove);
    connect(remove, &QAction::triggered, this, &ProtocolWindow::RemoveSelected);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("ProtocolCount"));
    auto button = [this](const char *name) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_remove = button("ProtocolRemove");
    m_saveCsv = button("ProtocolSaveCsv");
    m_print = button("ProtocolPrint");
    m_close = button("ProtocolClose");
    connect(m_remove, &QPushButton::clicked, this, &ProtocolWindow::RemoveSelected);
    connect(m_saveCsv, &QPushButton::clicked, &m_protocol, [this] { m_protocol.SaveCsv(); });
    connect(m_print, &QPushButton::clicked, &m_protocol, [this] { m_protocol.Print(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_count, 1);
    buttons->addWidget(m_remove);
    buttons->addWidget(m_saveCsv);
    buttons->addWidget(m_print);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(&m_protocol, &LabProtocol::changed, this, &ProtocolWindow::Refresh);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_remove->setEnabled(m_table->selectionModel()->hasSelection()); });

    // Most of the screen's width, a third of its height: a protocol is wide.
    const QRect screen = owner && owner->screen() ? owner->screen()->availableGeometry()
                                                  : QGuiApplication::primaryScreen()->availableGeometry();
    resize(screen.width() * 9 / 10, screen.height() * 2 / 5);
    move(screen.left() + screen.width() / 20, screen.bottom() - height() - screen.height() / 20);
    Retranslate();
    m_table->setFocus();
}

void ProtocolWindow::Refresh()
{
    const int before = m_rowsShown;
    const int current = m_table->currentIndex().row();
    m_model->setTable(m_protocol.Table());
    m_rowsShown = m_model->rowCount();
    m_table->resizeColumnsToContents();
    // A new row is selected and shown; after a removal, the row that took
    // the place of the first one removed; otherwise the row that was
    // current, so the keyboard stays where it was.
    int row = current;
    if (m_selectAfterRemoval >= 0)
        row = m_selectAfterRemoval;
    else if (m_rowsShown > before)
        row = m_rowsShown - 1;
    row = std::min(std::max(row, 0), m_rowsShown - 1);
    if (row >= 0) {
        // The row alone: selectRow() would add to the selection under a
        // held modifier.
        m_table->selectionModel()->setCurrentIndex(
            m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_table->scrollTo(m_model->index(row, 0));
    }
    m_remove->setEnabled(m_table->selectionModel()->hasSelection());
    const int unsaved = m_protocol.protocol().Unsaved();
    QString count = tr("%n row(s)", nullptr, m_rowsShown);
    if (unsaved > 0)
        count += QStringLiteral(", ") + tr("%n not yet saved", nullptr, unsaved);
    m_count->setText(count);
}

void ProtocolWindow::RemoveSelected()
{
    QList<int> rows;
    for (const QModelIndex &i : m_table->selectionModel()->selectedRows())
        rows.append(i.row());
    if (rows.isEmpty())
        return;
    // From the last up, so the indexes of the others hold.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    m_selectAfterRemoval = rows.last();
    for (int r : rows)
        m_protocol.RemoveRow(r);
    m_selectAfterRemoval = -1;
}

void ProtocolWindow::Retranslate()
{
    const QWidget *owner = parentWidget();
    const QString lab = owner ? owner->windowTitle() : QString();
    setWindowTitle(lab.isEmpty() ? tr("Protocol") : tr("Protocol: %1").arg(lab));
    m_table->setAccessibleName(tr("Protocol table"));
    m_table->setAccessibleDescription(tr("One row per recorded measurement; Delete removes the selected rows."));
    m_remove->setText(tr("&Remove row"));
    m_saveCsv->setText(tr("Save as &CSV..."));
    m_print->setText(tr("&Print..."));
    m_close->setText(tr("Close"));
    for (QPushButton *b : {m_remove, m_saveCsv, m_print, m_close})
        b->setAccessibleName(QString(b->text()).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    Refresh();
}

void ProtocolWindow::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        Retranslate();
}

} // namespace ohmaris
