#include "form10.h"

#include "practice/public.h"

#include "forms/richtextbox.h"

Form10::Form10() : ReviewScreen(QStringLiteral(":/layouts/form10.json"))
{
    RichTextBox1 = control<platform::RichTextBox>(QStringLiteral("RichTextBox1"));
    RichTextBox2 = control<platform::RichTextBox>(QStringLiteral("RichTextBox2"));
}

void Form10::Form_Load()
{
    const QString query = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
    const auto openRow = [&query] {
        Public::OpenDb();
        Public::SqlText = query;
        Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adOpenStatic,
                         platform::db::adLockOptimistic);
    };

    openRow();
    // An empty or Null key names the file with nothing between the hyphen and ".rtf".
    const QString key = Public::Rs->field(QStringLiteral("属性")).joinText();
    RichTextBox1->LoadFile(Public::PassageFilePath(Public::SetNo, key));
    RichTextBox2->LoadFile(Public::QuestionFilePath(Public::SetNo, Public::QuestionNo));
    RichTextBox2->setHeightTwips(Public::LineCount(*RichTextBox2) * OptionLayout::LineHeightTwips);
    Public::Rs.reset();
    Public::Conn->Close();

    ShowHeader();

    openRow();
    ShowOptionTexts(*Public::Rs);
    TickStoredAnswer(*Public::Rs);
    Public::Rs.reset();
    Public::Conn->Close();

    OptionLayout::ApplyOptionFontRule(OptionLabels(), Public::SetNo, Public::QuestionNo);
    OptionLayout::LayOut(*RichTextBox2, OptionLabels(), OptionButtons());
}
