#include "datacontrol.h"

#include "colors.h"
#include "runtimeerror.h"

#include "connection.h"

#include <QPainter>

#include <algorithm>

#undef EOF // C's macro would turn Recordset::EOF() into "(-1)()"

namespace platform {

DataControl::DataControl(QWidget *parent) : QWidget(parent), TwipsGeometry(this)
{}

DataControl *DataControl::fromLayout(QWidget *parent, const QJsonObject &entry)
{
    auto *control = new DataControl(parent);
    control->setGeometryTwips(entry.value(QLatin1String("left")).toDouble(),
                              entry.value(QLatin1String("top")).toDouble(),
                              entry.value(QLatin1String("width")).toDouble(),
                              entry.value(QLatin1String("height")).toDouble());
    control->setWindowTitle(entry.value(QLatin1String("caption")).toString());
    return control;
}

void DataControl::setConnectionString(const QString &connectionString)
{
    m_connectionString = connectionString;
}

void DataControl::setLockType(db::LockType lockType)
{
    m_lockType = lockType;
}

void DataControl::setRecordSource(const QString &recordSource)
{
    m_recordSource = recordSource;
}

void DataControl::refresh()
{
    if (m_connectionString.isEmpty())
        throw RuntimeError(
            RuntimeError::Kind::Database,
            QStringLiteral("Data control %1: no connection string").arg(objectName()));
    if (m_recordSource.isEmpty())
        throw RuntimeError(RuntimeError::Kind::Database,
                           QStringLiteral("Data control %1: no record source").arg(objectName()));

    db::Connection connection;
    connection.Open(m_connectionString);
    db::Recordset recordset;
    recordset.Open(m_recordSource, connection, m_lockType);

    // The rows are kept as found: later changes to the table show only after the next refresh().
    QStringList fields = recordset.columnNames();
    std::vector<std::vector<db::Variant>> records;
    records.reserve(size_t(std::max(0, recordset.RecordCount())));
    while (!recordset.EOF()) {
        std::vector<db::Variant> record;
        record.reserve(size_t(fields.size()));
        for (const QString &field : std::as_const(fields))
            record.push_back(recordset.field(field));
        records.push_back(std::move(record));
        recordset.MoveNext();
    }
    recordset.Close();
    connection.Close();

    m_fields = std::move(fields);
    m_records = std::move(records);
    emit refreshed();
}

const db::Variant &DataControl::value(int record, int field) const
{
    return m_records.at(size_t(record)).at(size_t(field));
}

int DataControl::fieldIndex(const QString &name) const
{
    const int index = int(m_fields.indexOf(name));
    if (index < 0)
        throw RuntimeError(RuntimeError::Kind::NoSuchColumn,
                           QStringLiteral("Data control %1: no field %2 in the rows of \"%3\"")
                               .arg(objectName(), name, m_recordSource));
    return index;
}

void DataControl::paintEvent(QPaintEvent *)
{
    // Shown only when a layout makes it visible: a plain bar with its caption.
    QPainter painter(this);
    painter.fillRect(rect(), parseColor(QStringLiteral("buttonFace")));
    painter.setPen(parseColor(QStringLiteral("buttonText")));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect(), Qt::AlignCenter, windowTitle());
}

} // namespace platform
