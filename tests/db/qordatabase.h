#pragma once

// A QOR3 question table in a real SQLite file under a temporary folder, written and inspected
// with the SQLite C API directly, so the tests never check the database layer with itself.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

class QorDatabase
{
public:
    // Makes "<temp>/My Practice/QOR DATA/QOR.mdb" (blanks in the path on purpose) holding QOR3
    // with three questions stored in the order 题号 3, 1, 2.
    QorDatabase();

    QString folder() const; // "<temp>/My Practice"
    QString path() const;
    QString connectionString() const;

    void execute(const QString &sql) const;
    // Every cell the query returns, row by row, as "null", "text:<t>", "integer:<n>" or
    // "real:<x>", so a test sees the stored type as well as the value.
    QStringList cells(const QString &sql) const;
    QString cell(const QString &sql) const;
    QStringList columns(const QString &sql) const; // the names of the query's result columns

private:
    template<typename Use> QStringList withStatement(const QString &sql, Use use) const;

    QTemporaryDir m_dir;
};
