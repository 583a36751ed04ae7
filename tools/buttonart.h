#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

namespace sample {

// The question screens' picture buttons: white caption and symbol on blue.
enum class ButtonKind { Next, Previous, Help, EndExam };
// The picture file's digit: 0 normal, 1 darker (pressed), 2 lighter (hover).
enum class ButtonLook { Normal = 0, Pressed = 1, Hover = 2 };

QSize buttonSize(ButtonKind kind);
QString buttonFileStem(ButtonKind kind); // "next", "previous", "help", "end exam"

QImage buttonImage(ButtonKind kind, ButtonLook look);
// Draws the button with its top left corner at the painter's origin.
void paintButton(QPainter &painter, ButtonKind kind, ButtonLook look);

// The caption font: the widest size up to maxPixels whose text fits in width.
QFont fittedFont(const QString &family, const QString &text, int maxPixels, int width, bool bold);

} // namespace sample
