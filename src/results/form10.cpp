#include "form10.h"

#include "public.h"

#include "passagekey.h"
#include "questiontype.h"

#include "richtextbox.h"

#undef EOF // C's macro would turn Recordset::EOF() into "(-1)()"

namespace {
// The row of a question of the set under review in the shared recordset.
void openRow(int question)
{
    Public::OpenDb();
    Public::SqlText = Public::WholeRowQuery(Public::SetNo, question);
    Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adLockOptimistic);
}

void closeRow()
{
    Public::Rs.reset();
    Public::Conn->Close();
}
} // namespace

Form10::Form10() : ReviewScreen(QStringLiteral(":/layouts/form10.json"))
{
    RichTextBox1 = control<platform::RichTextBox>(QStringLiteral("RichTextBox1"));
    RichTextBox2 = control<platform::RichTextBox>(QStringLiteral("RichTextBox2"));
    OptionLayout::UseQuestionLinePitch(*RichTextBox2);
}

void Form10::Form_Load()
{
    openRow(Public::QuestionNo);
    const platform::db::Variant ownKey = Public::Rs->field(PassageKey::Column);
    closeRow();
    RichTextBox1->loadFile(Public::PassageFilePath(
        Public::SetNo, PassageKey::NamesPassage(ownKey) ? PassageKey::Text(ownKey)
                                                        : RunPassageKey(Public::QuestionNo)));
    RichTextBox2->loadFile(Public::QuestionFilePath(Public::SetNo, Public::QuestionNo));
    OptionLayout::FitQuestionBox(*RichTextBox2);

    ShowHeader();

    openRow(Public::QuestionNo);
    ShowOptionTexts(*Public::Rs);
    TickStoredAnswer(*Public::Rs);
    closeRow();

    OptionLayout::ApplyOptionFontRule(OptionLabels(), Public::SetNo, Public::QuestionNo);
    OptionLayout::LayOut(*RichTextBox2, OptionLabels(), OptionButtons());
}

QString Form10::RunPassageKey(int question)
{
    // The practice keeps a passage on display through the "RC" questions that follow it without
    // a key of their own; the run ends at any other type.
    for (int earlier = question - 1; earlier >= 1; --earlier) {
        openRow(earlier);
        const bool inRun = !Public::Rs->EOF() &&
                           QuestionTypes::Named(Public::Rs->field(QuestionTypes::Column)) ==
                               QuestionType::RC;
        const QString key = inRun ? PassageKey::Text(Public::Rs->field(PassageKey::Column))
                                  : QString();
        closeRow();
        if (!inRun)
            break;
        if (!key.isEmpty())
            return key;
    }
    // No passage before it in its run: the empty key names "QOR-ZQ-<set>-.rtf".
    return QString();
}
