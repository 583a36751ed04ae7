#include "grid.h"

#include "handlerguard.h"
#include "colors.h"
#include "datacontrol.h"
#include "fonts.h"
#include "runtimeerror.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QJsonArray>
#include <QMouseEvent>

namespace platform {

namespace {
constexpr int DefaultColumnPixels = 64; // 960 twips
constexpr int RowPaddingPixels = 6;
constexpr Qt::Alignment DefaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

QFont fontFrom(const QJsonObject &entry, const char *key)
{
    const QJsonObject font = entry.value(QLatin1String(key)).toObject();
    return makeFont(font.value(QLatin1String("name")).toString(QStringLiteral("MS Sans Serif")),
                    font.value(QLatin1String("size")).toDouble(8.25),
                    font.value(QLatin1String("bold")).toBool(false));
}

QColor colorFrom(const QJsonObject &entry, const char *key, const char *fallback)
{
    return parseColor(entry.value(QLatin1String(key)).toString(QString::fromLatin1(fallback)));
}

QColor brushColor(const QTableWidgetItem *item, int role)
{
    if (!item)
        return QColor();
    const QVariant brush = item->data(role);
    return brush.canConvert<QBrush>() ? brush.value<QBrush>().color() : QColor();
}
} // namespace

Grid::Grid(QWidget *parent) : QTableWidget(parent), TwipsGeometry(this)
{
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultSectionSize(DefaultColumnPixels);
    horizontalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setMouseTracking(true);
    // A click moves the current cell; code that moves it keeps m_row/m_col itself.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (row >= 0 && col >= 0) {
            m_row = row + 1;
            m_col = col;
        }
    });
    setRows(2);
    setCols(2);
}

Grid *Grid::fromLayout(QWidget *parent, const QJsonObject &entry)
{
    auto *grid = new Grid(parent);
    grid->setGeometryTwips(entry.value(QLatin1String("left")).toDouble(),
                           entry.value(QLatin1String("top")).toDouble(),
                           entry.value(QLatin1String("width")).toDouble(),
                           entry.value(QLatin1String("height")).toDouble());
    grid->setFont(fontFrom(entry, "font"));
    grid->setFixedFont(fontFrom(entry, "fontFixed"));
    grid->setCellColors(colorFrom(entry, "backColor", "window"),
                        colorFrom(entry, "foreColor", "windowText"));
    grid->setFixedColors(colorFrom(entry, "backColorFixed", "buttonFace"),
                         colorFrom(entry, "foreColorFixed", "buttonText"));
    grid->setSelectionColors(colorFrom(entry, "backColorSel", "highlight"),
                             colorFrom(entry, "foreColorSel", "highlightText"));
    grid->setGridColor(colorFrom(entry, "gridColor", "&HC0C0C0"));
    QStringList hidden;
    for (const QJsonValue field : entry.value(QLatin1String("hiddenFields")).toArray())
        hidden.append(field.toString());
    grid->setHiddenFields(hidden);
    grid->setRows(entry.value(QLatin1String("rows")).toInt(2));
    grid->setCols(entry.value(QLatin1String("cols")).toInt(2));
    return grid;
}

void Grid::setDataSource(DataControl *source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (!source)
        return;
    connect(source, &DataControl::refreshed, this, &Grid::fill);
    fill();
}

void Grid::setHiddenFields(const QStringList &fields)
{
    m_hiddenFields = fields;
    if (m_source)
        fill();
}

void Grid::fill()
{
    const QStringList fields = m_source->fieldNames();
    QList<int> shown;
    for (int field = 0; field < fields.size(); ++field) {
        if (!m_hiddenFields.contains(fields.at(field)))
            shown.append(field);
    }
    clear();
    setRows(m_source->recordCount() + 1);
    setCols(int(shown.size()));
    for (int col = 0; col < shown.size(); ++col) {
        setHorizontalHeaderItem(col, new QTableWidgetItem(fields.at(shown.at(col))));
        for (int record = 0; record < m_source->recordCount(); ++record) {
            auto *cell = new QTableWidgetItem(m_source->value(record, shown.at(col)).joinText());
            cell->setTextAlignment(DefaultAlignment);
            setItem(record, col, cell);
        }
    }
    m_row = rowCount() > 0 ? 1 : 0;
    m_col = 0;
    showCurrentCell();
}

void Grid::setRows(int count)
{
    setRowCount(std::max(0, count - 1));
    if (m_row >= rows()) {
        m_row = rows() - 1;
        showCurrentCell();
    }
}

void Grid::setCols(int count)
{
    setColumnCount(std::max(0, count));
    m_widths.resize(columnCount());
    for (int col = 0; col < columnCount(); ++col) {
        m_widths[col] = pixelsToTwips(DefaultColumnPixels);
        setColumnWidth(col, DefaultColumnPixels);
    }
    if (m_col >= columnCount()) {
        m_col = std::max(0, columnCount() - 1);
        showCurrentCell();
    }
}

void Grid::setRow(int row)
{
    if (row < 0 || row >= rows())
        throw RuntimeError(RuntimeError::Kind::NoCurrentRow,
                           QStringLiteral("Grid %1: invalid Row value %2 (rows 0 to %3)")
                               .arg(objectName())
                               .arg(row)
                               .arg(rows() - 1));
    m_row = row;
    showCurrentCell();
}

void Grid::setCol(int col)
{
    requireColumn(col, "Col");
    m_col = col;
    showCurrentCell();
}

void Grid::showCurrentCell()
{
    if (m_row >= 1 && m_col < columnCount()) {
        setCurrentCell(m_row - 1, m_col);
        return;
    }
    // The header row is never a current cell of the view: nothing is highlighted.
    setCurrentCell(-1, -1);
    clearSelection();
}

QString Grid::textMatrix(int row, int col) const
{
    const QTableWidgetItem *cell = cellAt(row, col, "TextMatrix");
    return cell ? cell->text() : QString();
}

void Grid::setCellForeColor(const QColor &color)
{
    cellItem(m_row, m_col)->setForeground(color.isValid() ? QBrush(color) : QBrush());
}

QColor Grid::cellForeColor(int row, int col) const
{
    return brushColor(cellAt(row, col, "CellForeColor"), Qt::ForegroundRole);
}

void Grid::setColWidth(int col, double twips)
{
    requireColumn(col, "ColWidth");
    m_widths[col] = twips;
    setColumnWidth(col, twipsToPixels(twips));
}

double Grid::colWidth(int col) const
{
    requireColumn(col, "ColWidth");
    return m_widths.at(col);
}

void Grid::setColAlignment(int col, Qt::Alignment alignment)
{
    requireColumn(col, "ColAlignment");
    for (int row = 0; row < rowCount(); ++row) {
        if (QTableWidgetItem *cell = item(row, col))
            cell->setTextAlignment(alignment);
    }
}

void Grid::setCellColors(const QColor &back, const QColor &fore)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, fore);
    setPalette(p);
}

void Grid::setFixedColors(const QColor &back, const QColor &fore)
{
    m_fixedBack = back;
    m_fixedFore = fore;
    applyStyle();
}

void Grid::setSelectionColors(const QColor &back, const QColor &fore)
{
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, back);
        p.setColor(group, QPalette::HighlightedText, fore);
    }
    setPalette(p);
}

void Grid::setGridColor(const QColor &color)
{
    m_gridColor = color;
    applyStyle();
}

void Grid::setFixedFont(const QFont &font)
{
    horizontalHeader()->setFont(font);
}

void Grid::applyStyle()
{
    // Grid lines and the header row have no palette roles of their own that every style honours.
    setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }"
                                 "QHeaderView::section { background-color: %2; color: %3;"
                                 " border: none; border-right: 1px solid %1;"
                                 " border-bottom: 1px solid %1; padding: 2px; }")
                      .arg(m_gridColor.name(), m_fixedBack.name(), m_fixedFore.name()));
}

void Grid::requireColumn(int col, const char *operation) const
{
    if (col < 0 || col >= columnCount())
        throw RuntimeError(RuntimeError::Kind::NoSuchColumn,
                           QStringLiteral("Grid %1: invalid %2 column %3 (columns 0 to %4)")
                               .arg(objectName(), QString::fromLatin1(operation))
                               .arg(col)
                               .arg(columnCount() - 1));
}

QTableWidgetItem *Grid::cellAt(int row, int col, const char *operation) const
{
    requireColumn(col, operation);
    if (row < 0 || row >= rows())
        throw RuntimeError(RuntimeError::Kind::NoCurrentRow,
                           QStringLiteral("Grid %1: invalid %2 row %3 (rows 0 to %4)")
                               .arg(objectName(), QString::fromLatin1(operation))
                               .arg(row)
                               .arg(rows() - 1));
    return row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
}

QTableWidgetItem *Grid::cellItem(int row, int col)
{
    QTableWidgetItem *cell = cellAt(row, col, "cell colour");
    if (cell)
        return cell;
    // A cell of an unbound grid has no item until it is given something.
    cell = new QTableWidgetItem();
    if (row == 0)
        setHorizontalHeaderItem(col, cell);
    else
        setItem(row - 1, col, cell);
    return cell;
}

void Grid::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    // Rows are as high as the cell font needs, so a row shows its text whole and no more.
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + RowPaddingPixels);
}

void Grid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return; // below the last record or an empty grid: no record row
    m_row = index.row() + 1;
    m_col = index.column();
    runHandler([this] { emit doubleClicked(); });
}

void Grid::mouseMoveEvent(QMouseEvent *event)
{
    QTableWidget::mouseMoveEvent(event);
    event->accept(); // the form's own mouse-move handler is for its free surface only
}

} // namespace platform
