#include "formlayout.h"

#include "colors.h"
#include "combobox.h"
#include "datacontrol.h"
#include "fonts.h"
#include "form.h"
#include "frame.h"
#include "grid.h"
#include "image.h"
#include "label.h"
#include "optionbutton.h"
#include "richtextbox.h"
#include "timer.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <stdexcept>

namespace platform {

namespace {

[[noreturn]] void layoutFault(const QString &resource, const QString &what)
{
    throw std::logic_error(QStringLiteral("layout %1: %2").arg(resource, what).toStdString());
}

// Pictures compiled into the program never change: decode each once, not at every opening of a
// screen (a 1024 x 768 background costs several milliseconds).
Picture resourcePicture(const QString &path)
{
    static QHash<QString, Picture> decoded;
    auto it = decoded.constFind(path);
    if (it == decoded.constEnd())
        it = decoded.insert(path, loadPicture(path));
    return it.value();
}

QFont fontOf(const QJsonObject &entry, QString *name, double *size, bool *bold)
{
    const QJsonObject font = entry.value(QLatin1String("font")).toObject();
    *name = font.value(QLatin1String("name")).toString(QStringLiteral("MS Sans Serif"));
    *size = font.value(QLatin1String("size")).toDouble(8.25);
    *bold = font.value(QLatin1String("bold")).toBool(false);
    return makeFont(*name, *size, *bold);
}

void setGeometryFrom(TwipsGeometry &geometry, const QJsonObject &entry)
{
    geometry.setGeometryTwips(entry.value(QLatin1String("left")).toDouble(),
                              entry.value(QLatin1String("top")).toDouble(),
                              entry.value(QLatin1String("width")).toDouble(),
                              entry.value(QLatin1String("height")).toDouble());
}

Label::Align alignOf(const QJsonObject &entry)
{
    const QString align = entry.value(QLatin1String("alignment")).toString();
    if (align == QLatin1String("center"))
        return Label::Align::Center;
    if (align == QLatin1String("right"))
        return Label::Align::Right;
    return Label::Align::Left;
}

QColor colorOf(const QJsonObject &entry, const char *key)
{
    return parseColor(entry.value(QLatin1String(key)).toString());
}

QWidget *makeLabel(QWidget *parent, const QJsonObject &entry)
{
    auto *label = new Label(parent);
    QString name;
    double size = 0;
    bool bold = false;
    fontOf(entry, &name, &size, &bold);
    label->setFontName(name);
    label->setFontSize(size);
    label->setFontBold(bold);
    label->setCaption(entry.value(QLatin1String("caption")).toString());
    if (const QColor fore = colorOf(entry, "foreColor"); fore.isValid())
        label->setForeColor(fore);
    if (entry.value(QLatin1String("backStyle")).toString() == QLatin1String("opaque"))
        label->setBackColor(colorOf(entry, "backColor"));
    label->setAlign(alignOf(entry));
    setGeometryFrom(*label, entry);
    label->setWordWrapping(entry.value(QLatin1String("wordWrap")).toBool());
    label->setAutoSize(entry.value(QLatin1String("autoSize")).toBool());
    return label;
}

QWidget *makeImage(QWidget *parent, const QJsonObject &entry)
{
    auto *image = new Image(parent);
    setGeometryFrom(*image, entry);
    image->setStretch(entry.value(QLatin1String("stretch")).toBool());
    const QString picture = entry.value(QLatin1String("picture")).toString();
    if (!picture.isEmpty())
        image->setPicture(resourcePicture(picture));
    return image;
}

QWidget *makeOptionButton(QWidget *parent, const QJsonObject &entry)
{
    auto *option = new OptionButton(parent);
    setGeometryFrom(*option, entry);
    option->setFocusPolicy(Qt::StrongFocus);
    return option;
}

QWidget *makeFrame(QWidget *parent, const QJsonObject &entry)
{
    auto *frame = new Frame(parent);
    setGeometryFrom(*frame, entry);
    if (const QColor back = colorOf(entry, "backColor"); back.isValid())
        frame->setBackColor(back);
    return frame;
}

QWidget *makePictureBox(QWidget *parent, const QJsonObject &entry)
{
    auto *box = new PictureBox(parent);
    setGeometryFrom(*box, entry);
    if (const QColor back = colorOf(entry, "backColor"); back.isValid())
        box->setBackColor(back);
    return box;
}

QWidget *makeRichTextBox(QWidget *parent, const QJsonObject &entry)
{
    auto *box = new RichTextBox(parent);
    QString name;
    double size = 0;
    bool bold = false;
    box->setFont(fontOf(entry, &name, &size, &bold));
    setGeometryFrom(*box, entry);
    // A new box is empty: only a design text is worth setting (it costs a layout of its own).
    if (const QString text = entry.value(QLatin1String("text")).toString(); !text.isEmpty())
        box->setPlainText(text);
    box->setScrollBarsVertical(entry.value(QLatin1String("scrollBars")).toString() ==
                               QLatin1String("vertical"));
    // A box that is never sized by its line count may keep the text's own line heights (0).
    if (entry.contains(QLatin1String("linePitch")))
        box->setLinePitchTwips(entry.value(QLatin1String("linePitch")).toDouble());
    return box;
}

QWidget *makeComboBox(QWidget *parent, const QJsonObject &entry)
{
    auto *combo = new ComboBox(parent);
    QString name;
    double size = 0;
    bool bold = false;
    combo->setFont(fontOf(entry, &name, &size, &bold));
    setGeometryFrom(*combo, entry);
    combo->setText(entry.value(QLatin1String("text")).toString());
    return combo;
}

} // namespace

namespace {
// A layout is read and parsed once; later openings of the screen reuse the parsed text.
QJsonObject parsedLayout(const QString &resource)
{
    static QHash<QString, QJsonObject> parsed;
    if (const auto it = parsed.constFind(resource); it != parsed.constEnd())
        return it.value();
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        layoutFault(resource, QStringLiteral("cannot be read"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull())
        layoutFault(resource, error.errorString());
    return parsed.insert(resource, document.object()).value();
}
} // namespace

void FormLayout::build(Form &form, const QString &resource)
{
    const QJsonObject root = parsedLayout(resource);
    buildWindow(form, root);
    for (const QJsonValue control : root.value(QLatin1String("controls")).toArray())
        buildControl(form, control.toObject());
}

void FormLayout::buildWindow(Form &form, const QJsonObject &window)
{
    form.setWindowTitle(window.value(QLatin1String("caption")).toString());
    form.m_clientWidth = window.value(QLatin1String("clientWidth")).toDouble();
    form.m_clientHeight = window.value(QLatin1String("clientHeight")).toDouble();
    form.resize(twipsToPixels(form.m_clientWidth), twipsToPixels(form.m_clientHeight));
    QPalette palette = form.palette();
    if (const QColor back = colorOf(window, "backColor"); back.isValid())
        palette.setColor(QPalette::Window, back);
    if (const QColor fore = colorOf(window, "foreColor"); fore.isValid())
        palette.setColor(QPalette::WindowText, fore);
    form.setPalette(palette);
    QString name;
    double size = 0;
    bool bold = false;
    form.setFont(fontOf(window, &name, &size, &bold));
    if (const QString picture = window.value(QLatin1String("picture")).toString();
        !picture.isEmpty())
        form.m_background = resourcePicture(picture);
    if (window.value(QLatin1String("border")).toString() == QLatin1String("none"))
        form.setWindowFlag(Qt::FramelessWindowHint, true);
    form.m_maximized = window.value(QLatin1String("windowState")).toString() ==
                       QLatin1String("maximized");
}

void FormLayout::buildControl(Form &form, const QJsonObject &entry)
{
    const QString kind = entry.value(QLatin1String("kind")).toString();
    QString name = entry.value(QLatin1String("name")).toString();
    if (entry.contains(QLatin1String("index")))
        name += QStringLiteral("(%1)").arg(entry.value(QLatin1String("index")).toInt());
    if (form.m_controls.contains(name))
        layoutFault(form.m_layoutResource, QStringLiteral("control %1 twice").arg(name));

    if (kind == QLatin1String("Timer")) {
        auto *timer = new Timer(&form);
        timer->setInterval(entry.value(QLatin1String("interval")).toInt(1000));
        timer->setEnabled(entry.value(QLatin1String("enabled")).toBool(true));
        form.m_timers.append(timer);
        form.m_controls.insert(name, timer);
        return;
    }

    QWidget *parent = &form;
    if (const QString container = entry.value(QLatin1String("parent")).toString();
        !container.isEmpty()) {
        parent = qobject_cast<QWidget *>(form.m_controls.value(container));
        if (!parent)
            layoutFault(form.m_layoutResource,
                        QStringLiteral("container %1 of %2 comes later or is missing")
                            .arg(container, name));
    }

    QWidget *widget = nullptr;
    if (kind == QLatin1String("Label"))
        widget = makeLabel(parent, entry);
    else if (kind == QLatin1String("Image"))
        widget = makeImage(parent, entry);
    else if (kind == QLatin1String("OptionButton"))
        widget = makeOptionButton(parent, entry);
    else if (kind == QLatin1String("Frame"))
        widget = makeFrame(parent, entry);
    else if (kind == QLatin1String("PictureBox"))
        widget = makePictureBox(parent, entry);
    else if (kind == QLatin1String("RichTextBox"))
        widget = makeRichTextBox(parent, entry);
    else if (kind == QLatin1String("ComboBox"))
        widget = makeComboBox(parent, entry);
    else if (kind == QLatin1String("Grid"))
        widget = Grid::fromLayout(parent, entry);
    else if (kind == QLatin1String("DataControl"))
        widget = DataControl::fromLayout(parent, entry);
    else
        layoutFault(form.m_layoutResource, QStringLiteral("unknown kind %1 of %2").arg(kind, name));

    widget->setObjectName(name);
    widget->setVisible(entry.value(QLatin1String("visible")).toBool(true));
    form.m_controls.insert(name, widget);
    if (entry.contains(QLatin1String("tabIndex")))
        form.m_tabOrder.append({entry.value(QLatin1String("tabIndex")).toInt(), widget});
    else
        widget->setFocusPolicy(Qt::NoFocus);
}

} // namespace platform
