#pragma once

#include <QJsonObject>
#include <QString>

namespace platform {

class Form;

// Builds a form and its controls from a layout resource: a JSON text that gives the window
// (caption, client size in twips, colours, font, background picture, border) and each control
// (kind, name, container, position and size in twips, caption, font, colours, alignment, ...).
// Control arrays are named with their index, "Option1(3)".
class FormLayout
{
public:
    static void build(Form &form, const QString &resource);

private:
    static void buildWindow(Form &form, const QJsonObject &window);
    static void buildControl(Form &form, const QJsonObject &control);
};

} // namespace platform
