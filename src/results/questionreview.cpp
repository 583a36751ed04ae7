#include "questionreview.h"

#include "public.h"

#include "richtextbox.h"

QuestionReview::QuestionReview(const QString &layoutResource) : ReviewScreen(layoutResource)
{
    RichTextBox1 = control<platform::RichTextBox>(QStringLiteral("RichTextBox1"));
    OptionLayout::UseQuestionLinePitch(*RichTextBox1);
}

void QuestionReview::Form_Load()
{
    RichTextBox1->loadFile(Public::QuestionFilePath(Public::SetNo, Public::QuestionNo));
    OptionLayout::FitQuestionBox(*RichTextBox1);
    ShowHeader();

    Public::OpenDb();
    Public::SqlText = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adLockOptimistic);
    ShowOptionTexts(*Public::Rs);
    TickStoredAnswer(*Public::Rs);
    Public::Rs.reset();
    Public::Conn->Close();

    // The ticked option stays ticked: the layout moves the buttons, it does not clear them.
    OptionLayout::LayOut(*RichTextBox1, OptionLabels(), OptionButtons());
}
