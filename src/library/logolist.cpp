#include "logolist.h"

#include "windows/imagelist.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <memory>

namespace
{
constexpr int IconKeyRole = Qt::UserRole + 1;
}

// Turns the views' label editing into the list's before/after-edit signals. The model is never
// written here: the owner decides, after the editor has closed, whether the new text sticks.
class LabelEditDelegate : public QStyledItemDelegate
{
public:
    explicit LabelEditDelegate(LogoList* list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_list->m_editingRow = index.row();
        Q_EMIT m_list->beforeLabelEdit();
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        m_list->m_editingRow = -1;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        const auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line || line->text() == index.data().toString())
            return;
        // Queued: the owner may ask questions, and a message box opening while the editor is being
        // torn down would commit it a second time.
        const QString text = line->text();
        const QPersistentModelIndex row(index);
        LogoList* list = m_list;
        QTimer::singleShot(0, list, [list, row, text] {
            if (!row.isValid())
                return;
            bool cancel = false;
            Q_EMIT list->afterLabelEdit(cancel, text);
            if (!cancel && row.isValid())
                list->setItemText(row.row(), text);
        });
    }

private:
    LogoList* m_list;
};

LogoList::LogoList(QWidget* parent)
    : QWidget(parent)
    , m_model(new QStandardItemModel(0, 1, this))
    , m_listView(new QListView(this))
    , m_reportView(new QTreeView(this))
    , m_stack(new QStackedLayout(this))
{
    setAccessibleName(tr("Logo sets"));
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
    auto* delegate = new LabelEditDelegate(this);
    for (QAbstractItemView* view :
        { static_cast<QAbstractItemView*>(m_listView), static_cast<QAbstractItemView*>(m_reportView) }) {
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setIconSize(QSize(16, 16));
        view->setItemDelegate(delegate);
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        view->viewport()->setAcceptDrops(true);
        // A click on the row that was already current changes nothing, yet counts as a click.
        connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
            if (index.row() == m_rowAtPress)
                Q_EMIT itemClicked(index.row());
        });
    }
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_listView);
    m_stack->addWidget(m_reportView);
    connect(m_listView->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &LogoList::selectionChanged);
    connect(m_listView->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) {
            if (!m_selectingInCode && current.isValid())
                Q_EMIT itemClicked(current.row());
        });
    setView(ListView);
}

bool LogoList::eventFilter(QObject* watched, QEvent* event)
{
    const bool onViewport = watched == m_listView->viewport() || watched == m_reportView->viewport();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (onViewport) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_rowAtPress = selectedRow();
            Q_EMIT mouseDown(mouse->button(), mouse->modifiers(), mouse->position().toPoint());
        }
        break;
    case QEvent::MouseButtonRelease:
        if (onViewport) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            Q_EMIT mouseUp(mouse->button(), mouse->modifiers(), mouse->position().toPoint());
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (onViewport)
            Q_EMIT doubleClicked();
        break;
    case QEvent::KeyRelease:
        if (!onViewport && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            Q_EMIT keyUp(key->key(), key->modifiers());
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (onViewport) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasUrls() || drag->mimeData()->hasImage())
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        break;
    case QEvent::Drop:
        if (onViewport) {
            auto* drop = static_cast<QDropEvent*>(event);
            drop->acceptProposedAction();
            // Answered after the drop has ended: questions and the copy's progress must not keep the
            // file manager waiting in the middle of its drag.
            auto data = std::make_shared<QMimeData>();
            for (const QString& format : drop->mimeData()->formats())
                data->setData(format, drop->mimeData()->data(format));
            QTimer::singleShot(0, this, [this, data] { Q_EMIT dropped(data.get()); });
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void LogoList::setView(int view)
{
    m_view = view == ReportView ? ReportView : ListView;
    m_stack->setCurrentWidget(m_view == ReportView ? static_cast<QWidget*>(m_reportView) : m_listView);
}

void LogoList::setColumnHeader(const QString& header, int width)
{
    m_model->setHorizontalHeaderLabels({ header });
    m_reportView->setColumnWidth(0, width);
}

void LogoList::clear()
{
    m_selectingInCode = true;
    m_model->removeRows(0, m_model->rowCount());
    m_selectingInCode = false;
}

int LogoList::count() const
{
    return m_model->rowCount();
}

namespace
{

QStandardItem* newItem(const QString& text, const QString& iconKey)
{
    auto* item = new QStandardItem(text);
    item->setData(iconKey, IconKeyRole);
    item->setIcon(imageListIcon(iconKey));
    return item;
}

} // namespace

int LogoList::addItem(const QString& text, const QString& iconKey)
{
    m_model->appendRow(newItem(text, iconKey));
    return m_model->rowCount() - 1;
}

void LogoList::addItems(const QList<std::pair<QString, QString>>& rows)
{
    QList<QStandardItem*> items;
    items.reserve(rows.size());
    for (const auto& [text, iconKey] : rows)
        items.append(newItem(text, iconKey));
    m_model->invisibleRootItem()->appendRows(items);
}

void LogoList::removeItem(int row)
{
    // The view moves the current row to a neighbour by itself; that is not the user's click.
    m_selectingInCode = true;
    m_model->removeRow(row);
    m_selectingInCode = false;
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
    m_selectingInCode = true;
    m_listView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_selectingInCode = false;
    scrollToCurrent();
}

void LogoList::scrollToCurrent()
{
    // Scrolling lays out every row at once; leaving it to the event loop lets a rescan return at
    // the speed of the folder listing, and a hidden list scrolls once it shows with its real size.
    if (!isVisible()) {
        m_scrollWhenShown = true;
        return;
    }
    QTimer::singleShot(0, this, [this] {
        const QModelIndex current = m_listView->selectionModel()->currentIndex();
        if (current.isValid())
            activeView()->scrollTo(current);
    });
}

void LogoList::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_scrollWhenShown) {
        m_scrollWhenShown = false;
        scrollToCurrent();
    }
}

void LogoList::clearSelection()
{
    m_listView->selectionModel()->clear();
}

QAbstractItemView* LogoList::activeView() const
{
    return m_view == ReportView ? static_cast<QAbstractItemView*>(m_reportView) : m_listView;
}

int LogoList::rowAt(QPoint viewportPos) const
{
    const QModelIndex index = activeView()->indexAt(viewportPos);
    return index.isValid() ? index.row() : -1;
}

void LogoList::startLabelEdit(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    activeView()->scrollTo(index);
    activeView()->edit(index);
}

bool LogoList::isEditingLabel() const
{
    return m_editingRow >= 0;
}
