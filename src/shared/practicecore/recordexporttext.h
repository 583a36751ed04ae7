#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace platform::db {
class Recordset;
}

// The text of the attempt record: its file name, its lines, and the closing message of an export.
namespace RecordExportText {

// The date part of the file name: the locale's short date, with the characters
// that cannot stand in a file name ("/", "\", ":") replaced by "-".
QString DateText(const QDate &date);

// program folder + "/做题记录/做题记录" + date + " " + "hh：mm" + ".txt"
QString FilePath(const QString &programFolder, const QDate &date, const QTime &time);

// The file an export writes: the first of `path`, then `path` with " (2)", " (3)" ... before
// ".txt", that does not exist or is a regular file whose first line is `titleLine` (an earlier
// export of the same set, which the new one replaces). A record of another set, and a pipe,
// device or folder under the name, is never replaced or read.
QString TargetPath(const QString &path, const QString &titleLine);

// "QOR-ZQ-24 No." followed by the set number.
QString TitleLine(int setNo);

// The 48-character column heading line.
QString HeadingLine();

// One line of a question row; empty arguments stand for Null values.
QString RowLine(const QString &id, const QString &letter, const QString &mark,
                const QString &answer, const QString &time);

// The line of the row `row` stands on, after an empty letter got its single blank (a Null
// letter stays Null); the blank is saved when the recordset moves on.
QString ExportRow(platform::db::Recordset &row);

// The closing message; an empty path gives the text alone.
QString SavedMessage(const QString &path);

} // namespace RecordExportText
