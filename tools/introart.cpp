// The section instructions page: the question screens' frame with the whole instruction text in
// the work area and a Next button in the bottom bar.
#include "backgroundart.h"

#include "buttonart.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

namespace sample::art {

namespace {

const char *const kInstructions = R"(
<p align="center" style="margin:0"><b style="font-size:24px">Section Instructions</b></p>
<p align="center" style="margin:4px 0 0 0"><b>41 Questions</b></p>
<p align="center" style="margin:2px 0 14px 0"><b>Time - 75 minutes</b></p>
<p>This instruction screen is not timed. The clock for the section starts when you leave this
screen, and the time remaining is shown at the top right of every question screen.</p>
<p>The section has three types of questions: Critical Reasoning (CR), Reading Comprehension (RC)
and Sentence Correction (SC). Each question offers five answer choices; for each one, select the
best of the choices given. You can read the directions for the three question types at any time
by clicking <b>HELP</b>.</p>
<p><b>Critical Reasoning.</b> Each of these questions is based on a short argument, a set of
statements or a plan. Read it carefully, then choose the answer that best responds to the question
asked about it: what would strengthen or weaken it, what it assumes, or what follows from it.</p>
<p><b>Reading Comprehension.</b> Each passage is followed by two to five questions about what it
states or implies. The passage stays in the left pane while you answer its questions in the right
pane; scroll the passage to read all of it. Answer on the basis of the passage, not of outside
knowledge.</p>
<p><b>Sentence Correction.</b> Each of these questions presents a sentence, part or all of which
is underlined. The first choice repeats the underlined part as it stands; the other four rewrite it.
Choose the version that makes the most effective sentence: correct in grammar, clear in meaning and
free of needless words.</p>
<p style="margin-top:14px">Click <img src="next.png" style="vertical-align:middle"> to continue.</p>
)";

} // namespace

QImage introPage()
{
    QImage image = frame();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QTextDocument text;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    text.setDefaultFont(font);
    text.setDefaultStyleSheet(QStringLiteral("p { margin-bottom: 12px; color: #111; }"));
    text.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("next.png")), nextDesign());
    text.setHtml(QString::fromUtf8(kInstructions));
    text.setDocumentMargin(0);
    text.setTextWidth(1004 - 20 - 2 * 44);
    p.translate(20 + 44, 80 + 36);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, QColor(0x11, 0x11, 0x11));
    text.documentLayout()->draw(&p, context);
    p.resetTransform();

    p.translate(946, 739);
    paintButton(p, ButtonKind::Next, ButtonLook::Normal);
    return image;
}

} // namespace sample::art
