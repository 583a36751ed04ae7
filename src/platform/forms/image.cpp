#include "image.h"

namespace platform {

Image::Image(QWidget *parent) : ClickableLabel(parent), TwipsGeometry(this)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Image::setPicture(const Picture &picture)
{
    m_picture = picture;
    setPixmap(picture.pixmap());
    applyGeometry();
}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    setScaledContents(stretch);
    applyGeometry();
}

void Image::applyGeometry()
{
    if (!m_stretch && !m_picture.isNull()) {
        m_width = pixelsToTwips(m_picture.pixmap().width());
        m_height = pixelsToTwips(m_picture.pixmap().height());
    }
    TwipsGeometry::applyGeometry();
}

} // namespace platform
