#include "qordatabase.h"

#include "selectquery.h"

#include <gtest/gtest.h>

using platform::db::analyzeSelect;

// Which query texts are read as rows of one table (and so can be written back by rowid), and
// where the rowid goes into the text.
TEST(SelectQuery, SingleTableQueriesTakeTheRowIdColumn)
{
    struct Row
    {
        const char *query;
        const char *table;
        const char *withRowId;
    };
    const Row rows[] = {
        {"select * from QOR3 where 编号= 'QOR3-Q7'", "QOR3",
         "select QOR3.rowid, * from QOR3 where 编号= 'QOR3-Q7'"},
        {"SELECT * FROM QOR3 ORDER BY 题号", "QOR3",
         "SELECT QOR3.rowid, * FROM QOR3 ORDER BY 题号"},
        {"select 题型 from QOR3 where 编号= 'QOR3-Q7';", "QOR3",
         "select QOR3.rowid, 题型 from QOR3 where 编号= 'QOR3-Q7';"},
        {"select all 属性 from QOR3", "QOR3", "select all QOR3.rowid, 属性 from QOR3"},
        {"select q.A from QOR3 as q where q.B = 'x'", "QOR3",
         "select q.rowid, q.A from QOR3 as q where q.B = 'x'"},
        {"select A from QOR3 q limit 1", "QOR3", "select q.rowid, A from QOR3 q limit 1"},
        {"select * from \"QOR \"\"3\"\"\"", "QOR \"3\"",
         "select \"QOR \"\"3\"\"\".rowid, * from \"QOR \"\"3\"\"\""},
        {"select * from [QOR3]", "QOR3", "select [QOR3].rowid, * from [QOR3]"},
        {"select * from main.QOR3", "QOR3", "select main.QOR3.rowid, * from main.QOR3"},
        {"select*from QOR3", "QOR3", "select QOR3.rowid,*from QOR3"},
        {"select * from QOR3 where 编号 = 'a, b group by c join'", "QOR3", nullptr},
        {"select * from QOR3 where 题号 = (select max(题号) from QOR3)", "QOR3", nullptr},
        {"select max(题号, 3), 编号 from QOR3", "QOR3", nullptr},
        {"select * from QOR3 -- group by\n where 题号 > 1", "QOR3", nullptr},
    };
    for (const Row &row : rows) {
        const QString query = QString::fromUtf8(row.query);
        const auto select = analyzeSelect(query);
        EXPECT_TRUE(select.writable) << row.query << ": " << select.reason.toStdString();
        EXPECT_EQ(select.table, QString::fromUtf8(row.table)) << row.query;
        if (row.withRowId) {
            EXPECT_EQ(select.withLeadingColumn(query, QStringLiteral("rowid")),
                      QString::fromUtf8(row.withRowId));
        }
    }
}

TEST(SelectQuery, QueriesWhoseRowsAreNotTableRowsStayReadOnly)
{
    const char *queries[] = {
        "update QOR3 set A = 'x'",
        "with t as (select * from QOR3) select * from t",
        "select distinct 题型 from QOR3",
        "select 题型, count(*) from QOR3 group by 题型",
        "select 题型 from QOR3 group by 题型",
        "select count(*) from QOR3",
        "select 编号 from QOR3 order by max(题号)",
        "select * from QOR3, QOR4",
        "select * from QOR3 join QOR4 using (编号)",
        "select * from QOR3 natural join QOR4",
        "select * from QOR3 union select * from QOR4",
        "select * from (select * from QOR3)",
        "select * from temp.QOR3",
        "select * from pragma_table_info('QOR3')",
        "select 1",
    };
    for (const char *query : queries) {
        const auto select = analyzeSelect(QString::fromUtf8(query));
        EXPECT_FALSE(select.writable) << query;
        EXPECT_FALSE(select.reason.isEmpty()) << query;
    }
}
