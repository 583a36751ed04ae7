#include "connection.h"

#include "database.h"

#include <QDir>

namespace platform::db {

namespace {

// The items of a connection string: "key=value" separated by ';'. A value may be put in single
// or double quotes to hold a ';'; otherwise blanks around it are dropped and blanks inside kept.
QString itemValue(const QString &connectionString, QLatin1StringView wanted)
{
    qsizetype i = 0;
    const qsizetype n = connectionString.size();
    while (i < n) {
        const qsizetype equals = connectionString.indexOf(QLatin1Char('='), i);
        const qsizetype semicolon = connectionString.indexOf(QLatin1Char(';'), i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            if (semicolon < 0)
                break;
            i = semicolon + 1; // an item without '='
            continue;
        }
        const QString key = connectionString.mid(i, equals - i).trimmed();
        qsizetype begin = equals + 1;
        while (begin < n && connectionString[begin].isSpace())
            ++begin;
        QString value;
        qsizetype end;
        const QChar quote = begin < n ? connectionString[begin] : QChar();
        const qsizetype closing = (quote == QLatin1Char('"') || quote == QLatin1Char('\''))
                                      ? connectionString.indexOf(quote, begin + 1)
                                      : -1;
        if (closing > 0) {
            value = connectionString.mid(begin + 1, closing - begin - 1);
            end = connectionString.indexOf(QLatin1Char(';'), closing);
        } else {
            end = connectionString.indexOf(QLatin1Char(';'), begin);
            value = connectionString.mid(begin, end < 0 ? -1 : end - begin).trimmed();
        }
        if (key.compare(wanted, Qt::CaseInsensitive) == 0)
            return value;
        if (end < 0)
            break;
        i = end + 1;
    }
    return QString();
}

} // namespace

Connection::Connection() = default;

Connection::~Connection() = default; // recordsets opened here keep the database alive

void Connection::Open(const QString &connectionString)
{
    if (m_database)
        throw RuntimeError(
            RuntimeError::Kind::Database,
            QStringLiteral("Connection is already open on %1").arg(m_database->path()));
    const QString path = dataSource(connectionString);
    if (path.isEmpty())
        throw RuntimeError(
            RuntimeError::Kind::Database,
            QStringLiteral("No Data Source in connection string: %1").arg(connectionString));
    m_database = Database::open(path);
}

void Connection::Close()
{
    m_database.reset();
}

bool Connection::isOpen() const
{
    return m_database != nullptr;
}

std::shared_ptr<Database> Connection::database() const
{
    return m_database;
}

QString Connection::path() const
{
    return m_database ? m_database->path() : QString();
}

QString Connection::dataSource(const QString &connectionString)
{
    // The program opens its one connection string several times for every press of Next: the
    // path of the last string whose Data Source does not depend on the current folder is kept.
    thread_local QString lastString;
    thread_local QString lastPath;
    if (!lastPath.isEmpty() && connectionString == lastString)
        return lastPath;
    QString value = itemValue(connectionString, QLatin1StringView("Data Source"));
    if (value.isEmpty())
        return QString();
    value.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(value));
    if (path == QDir::cleanPath(value)) { // an absolute path: the current folder played no part
        lastString = connectionString;
        lastPath = path;
    }
    return path;
}

} // namespace platform::db
