#pragma once

#include "twips.h"

#include <QJsonObject>
#include <QPointer>
#include <QStringList>
#include <QTableWidget>

namespace platform {

class DataControl;

// A grid bound to a data control: row 0 is the fixed header row with the field names, then one
// row per record. Fields named hidden are left out, and the shown columns are numbered from 0.
// It has a current cell (row, col) that the results screen moves to read or colour cells; a click
// moves it too. Widths are in twips.
class Grid : public QTableWidget, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit Grid(QWidget *parent = nullptr);
    // Built from a layout entry (kind "Grid"): geometry, "rows"/"cols" before binding, colours
    // "backColor", "foreColor", "backColorFixed", "foreColorFixed", "backColorSel",
    // "foreColorSel", "gridColor", fonts "font" (cells) and "fontFixed" (header row), and
    // "hiddenFields".
    static Grid *fromLayout(QWidget *parent, const QJsonObject &entry);

    // Binds the grid: it shows the control's rows now and after every refresh of it.
    void setDataSource(DataControl *source);
    void setHiddenFields(const QStringList &fields);

    int rows() const { return rowCount() + 1; } // the header row included
    int cols() const { return columnCount(); }
    void setRows(int count); // before binding: the design size
    void setCols(int count);

    int row() const { return m_row; }
    int col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);

    QString text() const { return textMatrix(m_row, m_col); } // of the current cell
    QString textMatrix(int row, int col) const;

    // The text colour of the current cell; an invalid colour goes back to the grid's own.
    void setCellForeColor(const QColor &color);
    QColor cellForeColor(int row, int col) const; // invalid when never coloured

    void setColWidth(int col, double twips);
    double colWidth(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);

    void setCellColors(const QColor &back, const QColor &fore);
    void setFixedColors(const QColor &back, const QColor &fore);
    void setSelectionColors(const QColor &back, const QColor &fore);
    void setGridColor(const QColor &color);
    void setFixedFont(const QFont &font);

signals:
    // A double-click on a record row, after the current cell has moved to it.
    void doubleClicked();

protected:
    void changeEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void fill();
    void applyStyle();
    void showCurrentCell();
    void requireColumn(int col, const char *operation) const;
    QTableWidgetItem *cellItem(int row, int col);
    QTableWidgetItem *cellAt(int row, int col, const char *operation) const;

    QPointer<DataControl> m_source;
    QStringList m_hiddenFields;
    QList<double> m_widths;
    QColor m_fixedBack, m_fixedFore, m_gridColor;
    int m_row = 0;
    int m_col = 0;
};

} // namespace platform
