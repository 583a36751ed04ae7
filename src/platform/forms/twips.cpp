#include "twips.h"

#include <QWidget>

namespace platform {

void TwipsGeometry::setTopTwips(double top)
{
    m_top = top;
    applyGeometry();
}

void TwipsGeometry::setWidthTwips(double width)
{
    m_width = width;
    applyGeometry();
}

void TwipsGeometry::setHeightTwips(double height)
{
    m_height = height;
    applyGeometry();
}

void TwipsGeometry::setGeometryTwips(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void TwipsGeometry::applyGeometry()
{
    m_widget->setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), twipsToPixels(m_width),
                          twipsToPixels(m_height));
}

} // namespace platform
