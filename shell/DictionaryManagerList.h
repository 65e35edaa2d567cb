// One of the manager's two lists: a single column under a header, 94 % of
// the list's width, one row per dictionary; rows of files that did not open
// stand out in a colour of their own.
#pragma once

#include <QTreeWidget>

class CManagerList : public QTreeWidget {
public:
    CManagerList(const QString& header, QWidget* parent);

    // Replaces the rows; bValid false draws the row in the broken colour.
    void AddRow(const QString& text, bool bValid, const QString& toolTip);
    int RowCount() const { return topLevelItemCount(); }
    // -1 when no row is selected.
    int SelectedRow() const;
    // -1 clears the selection.
    void SelectRow(int nRow);
    QString RowText(int nRow) const;
    bool IsBrokenRow(int nRow) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
