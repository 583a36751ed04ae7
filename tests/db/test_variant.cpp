#include "qordatabase.h"

#include "variant.h"
#include "runtimeerror.h"

#include <gtest/gtest.h>

using platform::RuntimeError;
using platform::db::Variant;

TEST(Variant, NullHasNoTextButJoinsAsEmpty)
{
    const Variant null;
    EXPECT_TRUE(null.isNull());
    EXPECT_EQ(null.joinText(), QString());
    EXPECT_DOUBLE_EQ(null.toNumber(), 0);
    try {
        null.toText(QStringLiteral("field A of select * from QOR3"));
        FAIL() << "Null converted to text";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::InvalidUseOfNull);
        EXPECT_EQ(error.message(),
                  QStringLiteral("Invalid use of Null: field A of select * from QOR3"));
    }
}

TEST(Variant, EqualsComparesExactText)
{
    struct Row
    {
        Variant value;
        QString text;
        bool equal;
    };
    const Row rows[] = {
        {Variant("B"), "B", true},
        {Variant("B"), "b", false},
        {Variant("B "), "B", false},
        {Variant(" "), " ", true},
        {Variant(" "), "  ", false},
        {Variant(""), "", true},
        {Variant(), "", false},
        {Variant(), "Null", false},
        {Variant(3), "3", true},
        {Variant(3.0), "3.0", false},
        {Variant(2.5), "2.5", true},
        {Variant(-0.0), "0", true},
        {Variant(1234567.0), "1234567", true},
        {Variant(0.1), "0.1", true},
        {Variant("选B"), "选B", true},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.value.equals(row.text), row.equal)
            << row.value.joinText().toStdString() << " vs " << row.text.toStdString();
}
