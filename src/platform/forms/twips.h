#pragma once

#include "units.h"

#include <QRect>

class QWidget;

namespace platform {

// Keeps a control's position and size in twips as floating-point numbers, so that code reads
// back exactly the twips it set; the widget is placed by rounding to pixels.
class TwipsGeometry
{
public:
    explicit TwipsGeometry(QWidget *widget) : m_widget(widget) {}
    virtual ~TwipsGeometry() = default;

    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    double widthTwips() const { return m_width; }
    double heightTwips() const { return m_height; }

    void setTopTwips(double top);
    void setWidthTwips(double width);
    void setHeightTwips(double height);
    void setGeometryTwips(double left, double top, double width, double height);

protected:
    // Places the widget from the twips; controls that size themselves override it.
    virtual void applyGeometry();
    QWidget *widget() const { return m_widget; }

    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;

private:
    QWidget *m_widget;
};

} // namespace platform
