#include "databasewriter.h"

#include <QFile>

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace sample {

namespace {

struct CloseDatabase
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

class Writer
{
public:
    explicit Writer(const QString &path) : m_path(path)
    {
        for (const char *suffix : {"", "-journal", "-wal", "-shm"}) {
            const QString file = path + QLatin1String(suffix);
            if (QFile::exists(file) && !QFile::remove(file))
                fail(QStringLiteral("cannot remove the old file %1").arg(file));
        }
        sqlite3 *db = nullptr;
        const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        m_db.reset(db);
        if (rc != SQLITE_OK)
            fail(QStringLiteral("cannot create the database"));
    }

    void exec(const QString &sql)
    {
        if (sqlite3_exec(m_db.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            fail(sql);
    }

    void insertSet(const SetPlan &plan, const SetContent &content)
    {
        const QString table = QStringLiteral("QOR%1").arg(plan.set);
        exec(QStringLiteral(
                 "CREATE TABLE %1 (题型 TEXT, 题号 INTEGER, 编号 TEXT, A TEXT, B TEXT, "
                 "C TEXT, D TEXT, E TEXT, 答案 TEXT, 做题记录 TEXT, 正误 TEXT, 用时 TEXT, "
                 "属性 TEXT)")
                 .arg(table));
        const QString sql = QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)")
                                .arg(table);
        Statement insert = prepare(sql);
        for (const PlannedQuestion &q : plan.questions) {
            const QuestionContent &text = content.questions.at(q.number - 1);
            int column = 0;
            bindText(insert.get(), ++column, typeCode(q.type));
            sqlite3_bind_int(insert.get(), ++column, q.number);
            bindText(insert.get(), ++column,
                     QStringLiteral("QOR%1-Q%2").arg(plan.set).arg(q.number));
            for (const QString &option : text.options)
                bindText(insert.get(), ++column, option);
            bindText(insert.get(), ++column, QString(q.answer));
            bindText(insert.get(), ++column, QString());            // 做题记录: not attempted
            bindText(insert.get(), ++column, QStringLiteral("  ")); // 正误: two blanks
            bindText(insert.get(), ++column, QString());            // 用时
            if (q.attribute)
                bindText(insert.get(), ++column, *q.attribute);
            else
                sqlite3_bind_null(insert.get(), ++column);
            if (sqlite3_step(insert.get()) != SQLITE_DONE)
                fail(sql);
            sqlite3_reset(insert.get());
        }
    }

    void close()
    {
        if (sqlite3_close(m_db.get()) != SQLITE_OK)
            fail(QStringLiteral("cannot close the database"));
        m_db.release();
    }

private:
    Statement prepare(const QString &sql)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql.toUtf8().constData(), -1, &statement, nullptr) !=
            SQLITE_OK)
            fail(sql);
        return Statement(statement);
    }

    static void bindText(sqlite3_stmt *statement, int column, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(statement, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }

    [[noreturn]] void fail(const QString &what) const
    {
        const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db.get())) : QString();
        throw std::runtime_error(
            QStringLiteral("sample database %1: %2 (%3)").arg(m_path, what, reason).toStdString());
    }

    QString m_path;
    Database m_db;
};

} // namespace

void writeDatabase(const QString &path, const QList<SetPlan> &plans,
                   const QList<SetContent> &contents)
{
    Writer writer(path);
    writer.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    writer.exec(QStringLiteral("BEGIN"));
    for (qsizetype i = 0; i < plans.size(); ++i)
        writer.insertSet(plans.at(i), contents.at(i));
    writer.exec(QStringLiteral("COMMIT"));
    writer.close();
}

} // namespace sample
