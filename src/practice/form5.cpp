#include "form5.h"

#include "public.h"

#include "attemptcolumns.h"
#include "passagekey.h"

#include "recordset.h"
#include "image.h"
#include "label.h"
#include "optionbutton.h"
#include "richtextbox.h"

using platform::db::adLockOptimistic;

QString SingleText(double value)
{
    // Seven significant digits, as a single-precision number holds them; an exponent only for
    // numbers that need one, written with a capital E.
    QString text = QString::number(double(float(value)), 'g', 7);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

Form5::Form5()
    : QuestionScreen(QStringLiteral(":/layouts/form5.json"), QuestionType::RC,
                     QStringLiteral("RichTextBox2"))
{
    RichTextBox1 = control<platform::RichTextBox>(QStringLiteral("RichTextBox1"));
    RichTextBox2 = questionBox();
    connect(Image4, &platform::Image::mouseDown, this, &Form5::Image4_MouseDown);
    connect(Image4, &platform::Image::mouseUp, this, &Form5::Image4_MouseUp);
    connect(Label6, &platform::Label::clicked, this, &Form5::Label6_Click);
}

void Form5::Form_Load()
{
    Public::OpenDb();
    Public::SqlText = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, adLockOptimistic);
    // The key joins unchanged: an empty or Null one names the file "QOR-ZQ-<set>-.rtf".
    LoadPassage(PassageKey::Text(Public::Rs->field(PassageKey::Column)));
    LoadQuestionText();
    FitQuestionBox();
    Public::Rs.reset();
    Public::Conn->Close();

    ShowTitle();
    ShowClock();
    Public::ExitRequested = false;
    StartQuestionTiming();
    ShowCounter();
    ReadOptionTexts();
    ShowButtonPictures();
    ApplyOptionFontRule();
    LayOutOptions();
    ClearOptions();
}

void Form5::ShowNextQuestionHere()
{
    // The passage changes only for a question that names one; otherwise the passage on
    // display stays, scrolled as the reader left it.
    Public::OpenDb();
    Public::SqlText = Public::PassageKeyQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, adLockOptimistic);
    const platform::db::Variant key = Public::Rs->field(PassageKey::Column);
    if (PassageKey::NamesPassage(key))
        LoadPassage(PassageKey::Text(key));
    Public::Rs.reset();
    Public::Conn->Close();

    LoadQuestionText();

    Public::OpenDb();
    Public::SqlText = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, adLockOptimistic);
    SetOptionTextsFromRow();
    // The options show the row's stored letter; an empty one clears them, and anything else
    // (a blank, Null) leaves the tick of the answer just given.
    OptionLayout::TickStoredLetter(optionButtons(), Public::Rs->field(AttemptColumns::Letter));
    Public::Rs.reset();
    Public::Conn->Close();

    ApplyOptionFontRule();
    FitQuestionBox();
    LayOutOptions();
}

void Form5::LoadPassage(const QString &key)
{
    RichTextBox1->loadFile(Public::PassageFilePath(Public::SetNo, key));
}

void Form5::ApplyOptionFontRule()
{
    OptionLayout::ApplyOptionFontRule(optionTexts(), Public::SetNo, Public::QuestionNo);
}

void Form5::Image4_MouseDown()
{
    Image4->setPicture(Public::PicHelp2);
    Image1->setPicture(Public::PicNext1);
}

void Form5::Image4_MouseUp()
{
    Image4->setPicture(Public::PicHelp1);
    Image1->setPicture(Public::PicNext0);
}

void Form5::Label6_Click()
{
    const platform::Label *label3 = optionTexts()[2];
    Label6->setCaption(QStringLiteral("Label3  Top=") + SingleText(label3->topTwips()) +
                       QStringLiteral(" Width=") + SingleText(label3->widthTwips()) +
                       QStringLiteral(" Height=") + SingleText(label3->heightTwips()));
}
