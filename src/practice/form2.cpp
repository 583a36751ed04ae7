#include "form2.h"

#include "questionscreens.h"

#include "public.h"

#include "attemptcolumns.h"

#include "recordset.h"
#include "forms.h"
#include "image.h"
#include "label.h"

namespace {
constexpr int NextKey = 110; // the lower-case letter n

template<class Screen> void openQuestionScreen()
{
    Public::Conn->Close();
    platform::Forms::get<Screen>().Load();
    platform::Forms::get<Screen>().Show();
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
    // Exact, case-sensitive comparisons, each reading the column anew; any other type opens
    // nothing and leaves only the backdrop.
    WithQuestionScreenFor(QuestionTypes::Named(Public::Rs->field(QuestionTypes::Column)),
                          []<class Screen>() { openQuestionScreen<Screen>(); });
    unload();
}
