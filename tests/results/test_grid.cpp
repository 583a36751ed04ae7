// The grid bound to a data control, on a database of its own: what the rows and cells hold, the
// current cell, colours, widths, the double-click and the errors that name what is missing.
#include "connection.h"
#include "recordset.h"
#include "datacontrol.h"
#include "grid.h"
#include "mousegestures.h"
#include "runtimeerror.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using platform::RuntimeError;

class GridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        sqlite3 *handle = nullptr;
        ASSERT_EQ(sqlite3_open(databasePath().toUtf8().constData(), &handle), SQLITE_OK);
        const int created = sqlite3_exec(
            handle, "create table T (kind TEXT, num INTEGER, hidden TEXT, mark TEXT)", nullptr,
            nullptr, nullptr);
        sqlite3_close(handle);
        ASSERT_EQ(created, SQLITE_OK);
        run("insert into T values ('b', 2, 'x', '√'), ('a', 1, 'y', NULL), ('c', 3, 'z', '×')");
        source.setObjectName(QStringLiteral("Data1"));
        source.setConnectionString(connectionString());
        source.setRecordSource(QStringLiteral("select * from T order by num"));
        grid.setObjectName(QStringLiteral("Grid1"));
        grid.setGeometryTwips(0, 0, 6000, 3000);
    }

    QString databasePath() const { return dir.filePath(QStringLiteral("data.db")); }
    QString connectionString() const
    {
        return QStringLiteral("Provider=x;Data Source=") + databasePath() + QStringLiteral(";");
    }
    void run(const char *sql)
    {
        platform::db::Connection connection;
        connection.Open(connectionString());
        platform::db::Recordset statement;
        statement.Open(QString::fromUtf8(sql), connection);
    }
    void bind(const QStringList &hidden = {})
    {
        grid.setHiddenFields(hidden);
        source.refresh();
        grid.setDataSource(&source);
    }
    QPoint cellCentre(int row, int col)
    {
        return grid.visualItemRect(grid.item(row - 1, col)).center();
    }

    QTemporaryDir dir;
    platform::DataControl source;
    platform::Grid grid;
};

TEST_F(GridTest, HeaderRowHoldsTheShownFieldsAndOneRowFollowsPerRecordInQueryOrder)
{
    bind({QStringLiteral("hidden")});
    ASSERT_EQ(grid.rows(), 4);
    ASSERT_EQ(grid.cols(), 3);
    EXPECT_EQ(grid.textMatrix(0, 0), QStringLiteral("kind"));
    EXPECT_EQ(grid.textMatrix(0, 2), QStringLiteral("mark")); // the hidden field takes no column
    EXPECT_EQ(grid.textMatrix(1, 0), QStringLiteral("a"));
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("1")); // a number as plain digits
    EXPECT_EQ(grid.textMatrix(1, 2), QString());           // Null shows as an empty cell
    EXPECT_EQ(grid.textMatrix(3, 2), QStringLiteral("×"));
}

TEST_F(GridTest, ARefreshShowsTheTableAsItIsNow)
{
    bind();
    run("delete from T where num = 2");
    EXPECT_EQ(grid.rows(), 4); // rows are kept as found until the next refresh
    source.refresh();
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.textMatrix(2, 0), QStringLiteral("c"));
}

TEST_F(GridTest, TheCurrentCellReadsAndColoursOneCell)
{
    bind();
    grid.setRow(2);
    grid.setCol(3);
    EXPECT_EQ(grid.text(), QStringLiteral("√"));
    grid.setCellForeColor(Qt::green);
    grid.setCol(0);
    EXPECT_EQ(grid.cellForeColor(2, 3), QColor(Qt::green));
    EXPECT_FALSE(grid.cellForeColor(2, 0).isValid());
    grid.setCellForeColor(Qt::red);
    EXPECT_EQ(grid.cellForeColor(2, 0), QColor(Qt::red));
    EXPECT_FALSE(grid.cellForeColor(1, 3).isValid());
    grid.setRow(0);
    EXPECT_EQ(grid.text(), QStringLiteral("kind"));
    EXPECT_EQ(grid.currentRow(), -1); // the header row highlights nothing
}

TEST_F(GridTest, WidthsAreKeptInTwipsAndAlignmentCoversEveryCellOfTheColumn)
{
    bind();
    grid.setColWidth(1, 1600);
    grid.setColAlignment(1, Qt::AlignCenter);
    EXPECT_EQ(grid.colWidth(1), 1600);
    EXPECT_EQ(grid.columnWidth(1), 107);
    for (int row = 1; row < grid.rows(); ++row)
        EXPECT_EQ(grid.item(row - 1, 1)->textAlignment(), int(Qt::AlignCenter));
}

TEST_F(GridTest, ADoubleClickOnARecordMovesTheCurrentRowThenSignals)
{
    bind();
    grid.show();
    int rowSeen = -1;
    QObject context;
    QObject::connect(&grid, &platform::Grid::doubleClicked, &context,
                     [&] { rowSeen = grid.row(); });
    realDoubleClick(grid.viewport(), cellCentre(3, 1));
    EXPECT_EQ(rowSeen, 3);
    EXPECT_EQ(grid.col(), 1);
}

TEST_F(GridTest, AClickMakesTheCellUnderThePointerTheCurrentCell)
{
    bind();
    grid.show();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 3));
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 3);
    EXPECT_EQ(grid.text(), QStringLiteral("√"));
}

TEST_F(GridTest, ADoubleClickOnTheHeaderOrBelowTheRecordsDoesNotSignal)
{
    bind();
    grid.show();
    QSignalSpy spy(&grid, &platform::Grid::doubleClicked);
    realDoubleClick(grid.horizontalHeader()->viewport(),
                    QPoint(10, grid.horizontalHeader()->height() / 2));
    realDoubleClick(grid.viewport(), QPoint(10, grid.viewport()->height() - 3));
    EXPECT_EQ(spy.count(), 0);
}

struct FailureCase
{
    const char *name;
    QString connectionString; // "db" stands for the test's database
    QString recordSource;
    RuntimeError::Kind kind;
    QString named; // what the message names
};

class DataControlFailure : public GridTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(DataControlFailure, RefreshThrowsNamingWhatIsMissing)
{
    const FailureCase &failure = GetParam();
    source.setConnectionString(failure.connectionString == QLatin1String("db")
                                   ? connectionString()
                                   : failure.connectionString);
    source.setRecordSource(failure.recordSource);
    try {
        source.refresh();
        FAIL() << "no error";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), failure.kind);
        EXPECT_TRUE(error.message().contains(failure.named)) << error.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataControlFailure,
    ::testing::Values(
        FailureCase{"MissingDatabase", QStringLiteral("Data Source=/nowhere/QOR DATA/QOR.mdb"),
                    QStringLiteral("select * from T"), RuntimeError::Kind::FileNotFound,
                    QStringLiteral("/nowhere/QOR DATA/QOR.mdb")},
        FailureCase{"MissingTable", QStringLiteral("db"), QStringLiteral("select * from QOR99"),
                    RuntimeError::Kind::NoSuchTable, QStringLiteral("QOR99")},
        FailureCase{"NoRecordSource", QStringLiteral("db"), QString(), RuntimeError::Kind::Database,
                    QStringLiteral("Data1")},
        FailureCase{"NoConnectionString", QString(), QStringLiteral("select * from T"),
                    RuntimeError::Kind::Database, QStringLiteral("Data1")}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(GridTest, ARowOutsideTheGridIsARuntimeErrorNamingTheGrid)
{
    bind();
    try {
        grid.setRow(4);
        FAIL() << "no error";
    } catch (const RuntimeError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Grid1")));
    }
    EXPECT_THROW(grid.textMatrix(1, 4), RuntimeError);
}

} // namespace
