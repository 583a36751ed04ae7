#pragma once

#include "clickablelabel.h"
#include "twips.h"

namespace platform {

// A label with geometry in twips. With AutoSize its size follows its text and font: with
// WordWrap the width stays and the height grows by whole text lines; without it, both follow
// the text on one line.
class Label : public ClickableLabel, public TwipsGeometry
{
    Q_OBJECT
public:
    enum class Align { Left, Center, Right };

    explicit Label(QWidget *parent = nullptr);

    // Captions longer than this show their first MaxShownLength characters: more would make the
    // label many screens high and cost its layout a second or more.
    static constexpr qsizetype MaxShownLength = 10000;

    QString caption() const { return m_caption; }
    // Shown with a break opportunity in every overlong word (see wordbreaks.h), so that a word
    // of any length wraps at the label's width in time linear in its length.
    void setCaption(const QString &caption);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);
    void setBackColor(const QColor &color); // an invalid colour makes the label transparent

    double fontSize() const { return m_fontSize; } // points
    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool bold);

    void setAutoSize(bool autoSize);
    void setWordWrapping(bool wrap);
    void setAlign(Align align);

protected:
    void applyGeometry() override;
    // Bold in a family without a bold face is drawn widened here (see syntheticbold.h).
    void paintEvent(QPaintEvent *event) override;

private:
    void applyFont();
    void applyPalette();
    int wrappedLines(); // of the text at the present width and font

    // The last wrapped text measured: moving the label (the option layout moves all five after
    // their texts are set) measures nothing again.
    struct Measured
    {
        QString text;
        QFont font;
        int widthPx = -1;
        int lines = 1;
    };
    Measured m_measured;

    QString m_caption;
    QColor m_foreColor = Qt::black;
    QColor m_backColor; // invalid: transparent
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    bool m_fontBold = false;
    bool m_autoSize = false;
    bool m_wordWrap = false;
};

} // namespace platform
