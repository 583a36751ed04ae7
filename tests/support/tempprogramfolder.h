#pragma once

#include "samplecontent.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace testsupport {

// A program folder in a temporary directory, filled with the sample content and removed when the
// object goes. The cell helpers open the database for each call and close it again, so they never
// hold a lock while the code under test works on the same file. Every failure throws
// std::runtime_error naming the database and the statement.
class TempProgramFolder
{
public:
    explicit TempProgramFolder(const sample::Options &options = {});

    QString path() const;
    QString databasePath() const;
    QString filePath(const QString &relativePath) const;

    // The cell of the row whose 编号 is id; a null QVariant for SQL NULL, a QString for text, a
    // qlonglong for an integer. Throws when there is no such row.
    QVariant cell(const QString &table, const QString &id, const QString &column) const;
    // A null or invalid QVariant writes SQL NULL.
    void setCell(const QString &table, const QString &id, const QString &column,
                 const QVariant &value);
    void deleteRow(const QString &table, const QString &id);

    // Any statement, for the rare test that needs more than one cell; rows() returns every row.
    void execute(const QString &sql, const QVariantList &parameters = {});
    QList<QVariantList> rows(const QString &sql, const QVariantList &parameters = {}) const;

private:
    QTemporaryDir m_dir;
};

} // namespace testsupport
