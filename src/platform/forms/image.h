#pragma once

#include "clickablelabel.h"
#include "picture.h"
#include "twips.h"

namespace platform {

// An image control: shows a picture; takes the picture's size unless Stretch scales the picture
// to the control's size.
class Image : public ClickableLabel, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);
    void setStretch(bool stretch);

protected:
    void applyGeometry() override;

private:
    Picture m_picture;
    bool m_stretch = false;
};

} // namespace platform
