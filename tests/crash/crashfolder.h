#pragma once

#include <QString>
#include <QTemporaryDir>

// Program folders for the crash tests: the sample content is generated once per run of the test
// program (sets 3 and 8 with their RTF files) and copied into a fresh temporary folder per case.
class CrashFolder
{
public:
    // `withFiles`: the RTF files and pictures too (the driver needs them); without, only the
    // database and the empty record folder (enough for the checker).
    explicit CrashFolder(bool withFiles);

    QString path() const { return m_dir.path(); }
    QString databasePath() const;
    QString recordFolder() const;

    // Runs one statement on the database (the test's own edits of attempt columns).
    void execute(const QString &sql) const;
    // The first column of the first row a query finds, as text ("" for none or Null).
    QString text(const QString &sql) const;
    // Writes a file into the record folder.
    void writeRecord(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};
