#pragma once

#include <QWidget>

class QAbstractItemView;
class QListView;
class QStackedLayout;
class QStandardItemModel;
class QTreeView;

// The main window's list of logo sets: one model shown either as a list (View 2) or as a report
// with a single column (View 3), with small icons by key ("singlelogo", "multilogo").
// Rows are numbered from 0 here; callers that count from 1 add one.
class LogoList : public QWidget {
    Q_OBJECT
public:
    static constexpr int ListView = 2;
    static constexpr int ReportView = 3;

    explicit LogoList(QWidget* parent = nullptr);

    int View() const { return m_view; }
    void setView(int view);
    void setColumnHeader(const QString& header, int width);

    void clear();
    int count() const;
    int addItem(const QString& text, const QString& iconKey);
    void removeItem(int row);
    QString itemText(int row) const;
    void setItemText(int row, const QString& text);
    QString itemIconKey(int row) const;
    void setItemIcon(int row, const QString& iconKey);
    // The first row whose whole text equals `text` (case-sensitive); -1 when none.
    int findItem(const QString& text) const;

    // The current row, -1 when none; isSelected() tells whether it is also selected.
    int selectedRow() const;
    bool isSelected(int row) const;
    void selectRow(int row); // selects, makes current and scrolls into view
    void clearSelection();

    // The view that is showing now (the list or the report).
    QAbstractItemView* activeView() const;

Q_SIGNALS:
    void selectionChanged();

private:
    QStandardItemModel* m_model;
    QListView* m_listView;
    QTreeView* m_reportView;
    QStackedLayout* m_stack;
    int m_view = ListView;
};
