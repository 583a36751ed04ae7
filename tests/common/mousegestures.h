#pragma once

#include <QTest>

// A double-click as the toolkit delivers it to a control: press, release, then the second press
// as a double-click event, and its release.
inline void realDoubleClick(QWidget *widget, QPoint pos = QPoint())
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}
