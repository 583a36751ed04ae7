#include "form2.h"

#include "questionscreens.h"

#include "public.h"

#include "attemptcolumns.h"

#include "recordset.h"
#include "runtimeerror.h"
#include "forms.h"
#include "image.h"
#include "label.h"

namespace {
constexpr int NextKey = 110; // the lower-case letter n

// The run-time error's text for question 1 of a set whose type is none of the three, Null said as
// Null: "QOR3-Q1: 题型 'XX' is none of SC, CR, RC ...".
QString UnknownFirstTypeMessage(int set, const platform::db::Variant &type)
{
    const QString value = type.isNull() ? QStringLiteral("Null")
                                        : QStringLiteral("'%1'").arg(type.joinText());
    return QStringLiteral("QOR%1-Q1: %2 %3 is none of SC, CR, RC (the first question has no "
                          "screen to show it on)")
        .arg(set)
        .arg(QuestionTypes::Column, value);
}
} // namespace

Form2::Form2() : Form(QStringLiteral(":/layouts/form2.json"))
{
    Label1 = control<platform::Label>(QStringLiteral("Label1"));
    Image1 = control<platform::Image>(QStringLiteral("Image1"));
    connect(Image1, &platform::Image::clicked, this, &Form2::Image1_Click);
    connect(Image1, &platform::Image::mouseMoved, this, &Form2::Image1_MouseMove);
}

void ResetSetRecords()
{
    using namespace platform::db;
    for (int i = 1; i <= Public::QuestionsPerSet; ++i) {
        Public::SqlText = Public::WholeRowQuery(Public::SetNo, i);
        Public::Rs = std::make_shared<Recordset>();
        Public::Rs->Open(Public::SqlText, *Public::Conn, adLockOptimistic);
        AttemptColumns::AssignReset(*Public::Rs);
        Public::Rs->Update();
        Public::Rs->MoveNext();
    }
}

void Form2::Form_Load()
{
    Label1->setCaption(Public::TitleText(Public::SetNo));
    Public::LoadNextPictures();

    // Open the set's table before anything is written, so that a missing database or table
    // fails before the reset begins.
    {
        platform::db::Recordset check;
        check.Open(Public::WholeTableQuery(Public::SetNo), Public::ConnectionString(),
                   platform::db::adLockOptimistic);
    }

    Public::OpenDb();
    ResetSetRecords();
    Public::Rs->Close();
    Public::Rs.reset();
    Public::Conn->Close();

    Public::QuestionNo = 1;
    Public::SecondsLeft = Public::PracticeSeconds;
}

void Form2::Form_KeyPress(int keyAscii)
{
    if (keyAscii == NextKey)
        Image1_Click();
}

void Form2::Form_MouseMove()
{
    Image1->setPicture(Public::PicNext0);
}

void Form2::Image1_MouseMove()
{
    Image1->setPicture(Public::PicNext2);
}

void Form2::Image1_Click()
{
    hide();
    Public::OpenDb();
    Public::SqlText = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adLockOptimistic);
    // Exact, case-sensitive comparisons. Any other type has no screen to show question 1 on:
    // said as a run-time error rather than leaving the user before the bare backdrop.
    const platform::db::Variant type = Public::Rs->field(QuestionTypes::Column);
    if (!WithQuestionScreenFor(QuestionTypes::Named(type),
                               []<class Screen>() { OpenQuestionScreen<Screen>(); }))
        throw platform::RuntimeError(platform::RuntimeError::Kind::InvalidValue,
                                     UnknownFirstTypeMessage(Public::SetNo, type));
    unload();
}
