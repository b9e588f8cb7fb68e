#include "logolist.h"

#include "imagelist.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QTreeView>

namespace {
constexpr int IconKeyRole = Qt::UserRole + 1;
}

LogoList::LogoList(QWidget* parent)
    : QWidget(parent), m_model(new QStandardItemModel(0, 1, this)), m_listView(new QListView(this)),
      m_reportView(new QTreeView(this)), m_stack(new QStackedLayout(this))
{
    setAccessibleName(QStringLiteral("Logo sets"));
    m_listView->setModel(m_model);
    m_listView->setViewMode(QListView::ListMode);
    m_listView->setFlow(QListView::TopToBottom);
    m_listView->setWrapping(true);
    m_listView->setResizeMode(QListView::Adjust);
    m_reportView->setModel(m_model);
    m_reportView->setSelectionModel(m_listView->selectionModel());
    m_reportView->setRootIsDecorated(false);
    m_reportView->setItemsExpandable(false);
    m_reportView->setUniformRowHeights(true);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_listView), static_cast<QAbstractItemView*>(m_reportView)}) {
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setIconSize(QSize(16, 16));
    }
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_listView);
    m_stack->addWidget(m_reportView);
    connect(m_listView->selectionModel(), &QItemSelectionModel::currentChanged, this, &LogoList::selectionChanged);
    setView(ListView);
}

void LogoList::setView(int view)
{
    m_view = view == ReportView ? ReportView : ListView;
    m_stack->setCurrentWidget(m_view == ReportView ? static_cast<QWidget*>(m_reportView) : m_listView);
}

void LogoList::setColumnHeader(const QString& header, int width)
{
    m_model->setHorizontalHeaderLabels({header});
    m_reportView->setColumnWidth(0, width);
}

void LogoList::clear()
{
    m_model->removeRows(0, m_model->rowCount());
}

int LogoList::count() const
{
    return m_model->rowCount();
}

int LogoList::addItem(const QString& text, const QString& iconKey)
{
    auto* item = new QStandardItem(text);
    item->setData(iconKey, IconKeyRole);
    item->setIcon(imageListIcon(iconKey));
    m_model->appendRow(item);
    return m_model->rowCount() - 1;
}

void LogoList::removeItem(int row)
{
    m_model->removeRow(row);
}

QString LogoList::itemText(int row) const
{
    const QStandardItem* item = m_model->item(row);
    return item ? item->text() : QString();
}

void LogoList::setItemText(int row, const QString& text)
{
    if (QStandardItem* item = m_model->item(row))
        item->setText(text);
}

QString LogoList::itemIconKey(int row) const
{
    const QStandardItem* item = m_model->item(row);
    return item ? item->data(IconKeyRole).toString() : QString();
}

void LogoList::setItemIcon(int row, const QString& iconKey)
{
    if (QStandardItem* item = m_model->item(row)) {
        item->setData(iconKey, IconKeyRole);
        item->setIcon(imageListIcon(iconKey));
    }
}

int LogoList::findItem(const QString& text) const
{
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->item(row)->text() == text)
            return row;
    return -1;
}

int LogoList::selectedRow() const
{
    const QModelIndex current = m_listView->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool LogoList::isSelected(int row) const
{
    return row >= 0 && m_listView->selectionModel()->isRowSelected(row, {});
}

void LogoList::selectRow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    m_listView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    activeView()->scrollTo(index);
}

void LogoList::clearSelection()
{
    m_listView->selectionModel()->clear();
}

QAbstractItemView* LogoList::activeView() const
{
    return m_view == ReportView ? static_cast<QAbstractItemView*>(m_reportView) : m_listView;
}
