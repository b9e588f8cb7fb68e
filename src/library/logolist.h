#pragma once

#include <QList>
#include <QPoint>
#include <QWidget>
#include <utility>

class QAbstractItemView;
class QListView;
class QMimeData;
class QStackedLayout;
class QStandardItemModel;
class QTreeView;

// The main window's list of logo sets: one model shown either as a list (View 2) or as a report
// with a single column (View 3), with small icons by key ("singlelogo", "multilogo"). It reports
// what the user does with it (presses, releases, double-clicks, keys, label edits, drops) as
// signals and leaves every decision to its owner.
// Rows are numbered from 0 here; callers that count from 1 add one.
class LogoList : public QWidget
{
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
    // Appends many rows at once (text, icon key): the views lay out once, not once per row.
    void addItems(const QList<std::pair<QString, QString>>& rows);
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
    // The row under a point of the showing view's viewport; -1 over empty space.
    int rowAt(QPoint viewportPos) const;

    // Opens the in-place editor on a row's label; afterLabelEdit decides whether the text sticks.
    void startLabelEdit(int row);
    bool isEditingLabel() const;

Q_SIGNALS:
    void selectionChanged();
    // The user moved the current row (mouse or keyboard); programmatic selection does not count.
    void itemClicked(int row);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void doubleClicked();
    void keyUp(int key, Qt::KeyboardModifiers shift);
    void beforeLabelEdit();
    // Raised when the editor closes with a new text; setting cancel keeps the old label.
    void afterLabelEdit(bool& cancel, const QString& newString);
    // Something was dropped on the list (only drops that carry URLs are accepted); raised once the
    // drop itself has finished, with a copy of its data.
    void dropped(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QStandardItemModel* m_model;
    QListView* m_listView;
    QTreeView* m_reportView;
    QStackedLayout* m_stack;
    int m_view = ListView;
    void scrollToCurrent();

    bool m_selectingInCode = false;
    bool m_scrollWhenShown = false;
    int m_rowAtPress = -1;
    int m_editingRow = -1;

    friend class LabelEditDelegate;
};
