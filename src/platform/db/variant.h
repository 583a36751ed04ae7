#pragma once

#include <QString>

#include <variant>

namespace platform::db {

// A field value as the screens see it: a text, a number or Null.
class Variant
{
public:
    Variant() = default; // Null
    Variant(const QString &text) : m_value(text) {}
    Variant(const char *text) : m_value(QString::fromUtf8(text)) {}
    Variant(double number) : m_value(number) {}
    Variant(int number) : m_value(static_cast<double>(number)) {}

    static Variant null() { return {}; }

    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isText() const { return std::holds_alternative<QString>(m_value); }

    // The value as text where a text is required; Null throws RuntimeError(InvalidUseOfNull)
    // naming `where` (for example "field A of select * from QOR3 where ...").
    QString toText(const QString &where) const;
    // The value as it joins into a text: Null joins as the empty text.
    QString joinText() const;
    // Exact, case-sensitive comparison with a text; Null equals nothing, a number equals its
    // decimal text.
    bool equals(const QString &text) const;
    double toNumber() const; // Null and non-numeric text give 0

    bool operator==(const Variant &other) const { return m_value == other.m_value; }

private:
    std::variant<std::monostate, QString, double> m_value;
};

} // namespace platform::db
