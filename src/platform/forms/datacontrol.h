#pragma once

#include "twips.h"

#include "recordset.h"
#include "variant.h"

#include <QJsonObject>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace platform {

// A data control: queries a database by itself, with its own connection string and record
// source, and is the data source of bound controls (see Grid). refresh() opens the database,
// runs the record source and keeps the rows it found; bound controls then show them.
class DataControl : public QWidget, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit DataControl(QWidget *parent = nullptr);
    // Built from a layout entry (kind "DataControl"): left, top, width, height, caption.
    static DataControl *fromLayout(QWidget *parent, const QJsonObject &entry);

    void setConnectionString(const QString &connectionString);
    void setLockType(db::LockType lockType);
    void setRecordSource(const QString &recordSource);

    // Opens the database named by the connection string and runs the record source. Throws
    // RuntimeError naming the control and what is missing (connection string, record source),
    // or the database layer's error naming the file, table or query.
    void refresh();

    // What the last refresh() found: the field names in query order, and the records.
    QStringList fieldNames() const { return m_fields; }
    int recordCount() const { return int(m_records.size()); }
    const db::Variant &value(int record, int field) const;
    // The index of a field by name. Throws RuntimeError(NoSuchColumn) naming the control, the
    // field and the record source when the rows have no such field.
    int fieldIndex(const QString &name) const;

signals:
    // Emitted after every successful refresh().
    void refreshed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_connectionString;
    QString m_recordSource;
    db::LockType m_lockType = db::adLockOptimistic;
    QStringList m_fields;
    std::vector<std::vector<db::Variant>> m_records;
};

} // namespace platform
