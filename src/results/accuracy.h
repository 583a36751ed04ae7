#pragma once

#include <QString>

// The accuracy of one question type on the results screen.
namespace Accuracy {

// right x 100 / count rounded to two decimals, a tie going to the even last digit, written with
// at least one digit before the point and exactly two after it: 2 of 3 -> "66.67",
// 1 of 32 -> "3.12", 3 of 32 -> "9.38". A type without questions shows "0.00".
QString PercentText(int right, int count);

// "SC 正确率: 66.67%  ( 2/3 )" for the type "SC", 2 right of 3.
QString AccuracyCaption(const QString &type, int right, int count);

} // namespace Accuracy
