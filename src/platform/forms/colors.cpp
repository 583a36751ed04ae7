#include "colors.h"

namespace platform {

QColor colorFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor parseColor(const QString &text)
{
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        bool ok = false;
        const quint32 value = text.mid(2).toUInt(&ok, 16);
        return ok ? colorFromBgr(value) : QColor();
    }
    // The system colours of the desktop the screens were drawn for.
    static const struct
    {
        const char *name;
        QRgb rgb;
    } systemColors[] = {
        {"window", qRgb(255, 255, 255)},     {"windowText", qRgb(0, 0, 0)},
        {"buttonFace", qRgb(240, 240, 240)}, {"buttonText", qRgb(0, 0, 0)},
        {"highlight", qRgb(0, 120, 215)},    {"highlightText", qRgb(255, 255, 255)},
    };
    for (const auto &entry : systemColors) {
        if (text.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return QColor(entry.rgb);
    }
    return QColor();
}

} // namespace platform
