// The attempt record's line of each row, with the single blank an export stores into an empty
// letter.
#include "qordatabase.h"

#include "recordexporttext.h"

#include "connection.h"
#include "recordset.h"

#include <gtest/gtest.h>

#undef EOF // C's macro would turn Recordset::EOF() into "(-1)()"

namespace {

TEST(RecordExportRow, GivesAnEmptyLetterItsBlankAndPrintsTheValuesAsStored)
{
    const QorDatabase db;
    platform::db::Connection connection;
    connection.Open(db.connectionString());
    platform::db::Recordset rows;
    rows.Open(QStringLiteral("select * from QOR3"), connection);

    QStringList lines;
    while (!rows.EOF()) {
        lines << RecordExportText::ExportRow(rows);
        rows.MoveNext(); // saves the blank
    }
    const QString b10(10, u' '), b8(8, u' '), b17(17, u' '), b11(11, u' ');
    EXPECT_EQ(lines, (QStringList{
                         // A blank letter stays; a Null mark and an empty time print nothing.
                         "QOR3-Q7" + b10 + " " + b8 + b17 + "C" + b11,
                         // A Null letter stays Null and prints nothing.
                         "QOR3-Q1" + b10 + b8 + b17 + "A" + b11,
                         // The empty letter becomes a single blank; the values print unpadded.
                         "QOR3-Q2" + b10 + " " + b8 + "对" + b17 + "E" + b11 + "  ",
                     }));
    EXPECT_EQ(db.cells(QStringLiteral("select 做题记录 from QOR3")),
              (QStringList{"text: ", "null", "text: "}));
}

TEST(RecordExportText, HeadingAndTitleLines)
{
    EXPECT_EQ(RecordExportText::HeadingLine().size(), 48);
    EXPECT_EQ(RecordExportText::TitleLine(24), QStringLiteral("QOR-ZQ-24 No.24"));
    EXPECT_EQ(RecordExportText::SavedMessage(QString()), QStringLiteral("记录已保存至 "));
}

} // namespace
