#pragma once

#include "twips.h"

#include <QRadioButton>

namespace platform {

// An option button. The option buttons of one container form one group: ticking one clears the
// others; any of them can also be cleared by code.
class OptionButton : public QRadioButton, public TwipsGeometry
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget *parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool ticked);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace platform
