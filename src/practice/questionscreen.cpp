#include "questionscreen.h"

#include "form6.h"
#include "questionscreens.h"

#include "public.h"
#include "recordexport.h"

#include "attemptcolumns.h"

#include "recordset.h"
#include "forms.h"
#include "image.h"
#include "label.h"
#include "optionbutton.h"
#include "richtextbox.h"
#include "timer.h"
#include "messagebox.h"
#include "runtimeerror.h"

using platform::db::adLockOptimistic;

QuestionScreen::QuestionScreen(const QString &layoutResource, QuestionType ownType,
                               const QString &questionBoxName)
    : Form(layoutResource), m_ownType(ownType)
{
    using platform::Image;
    using platform::Label;
    Label6 = control<Label>(QStringLiteral("Label6"));
    Label7 = control<Label>(QStringLiteral("Label7"));
    Label8 = control<Label>(QStringLiteral("Label8"));
    Image1 = control<Image>(QStringLiteral("Image1"));
    Image3 = control<Image>(QStringLiteral("Image3"));
    Image4 = control<Image>(QStringLiteral("Image4"));
    m_questionBox = control<platform::RichTextBox>(questionBoxName);
    OptionLayout::UseQuestionLinePitch(*m_questionBox);
    for (int k = 0; k < 5; ++k) {
        m_optionTexts[k] = control<Label>(QStringLiteral("Label%1").arg(k + 1));
        m_options[k] = control<platform::OptionButton>(QStringLiteral("Option1(%1)").arg(k + 1));
    }

    connect(m_optionTexts[0], &Label::clicked, this, &QuestionScreen::Label1_Click);
    connect(m_optionTexts[1], &Label::clicked, this, &QuestionScreen::Label2_Click);
    connect(m_optionTexts[2], &Label::clicked, this, &QuestionScreen::Label3_Click);
    connect(m_optionTexts[3], &Label::clicked, this, &QuestionScreen::Label4_Click);
    connect(m_optionTexts[4], &Label::clicked, this, &QuestionScreen::Label5_Click);
    connect(Image4, &Image::clicked, this, &QuestionScreen::Image4_Click);
    connect(Image1, &Image::mouseMoved, this, &QuestionScreen::Image1_MouseMove);
    connect(Image3, &Image::mouseMoved, this, &QuestionScreen::Image3_MouseMove);
    connect(Image3, &Image::mouseDown, this, &QuestionScreen::Image3_MouseDown);
    connect(Image3, &Image::mouseUp, this, &QuestionScreen::Image3_MouseUp);
    connect(Image4, &Image::mouseMoved, this, &QuestionScreen::Image4_MouseMove);
    connect(Image1, &Image::clicked, this, &QuestionScreen::Image1_Click);
    connect(Image3, &Image::clicked, this, &QuestionScreen::Image3_Click);
    connect(control<platform::Timer>(QStringLiteral("Timer1")), &platform::Timer::tick, this,
            &QuestionScreen::Timer1_Timer);
}

// --- set-up steps --------------------------------------------------------------------------

void QuestionScreen::LoadQuestionText()
{
    m_questionBox->loadFile(Public::QuestionFilePath(Public::SetNo, Public::QuestionNo));
}

void QuestionScreen::ReadAheadQuestionText(int questionNo)
{
    if (isLoaded())
        return;
    try {
        m_questionBox->loadFile(Public::QuestionFilePath(Public::SetNo, questionNo));
    } catch (const platform::RuntimeError &) {
        // LoadQuestionText reads the file again when the question shows, and reports it then.
    }
}

void QuestionScreen::FitQuestionBox()
{
    OptionLayout::FitQuestionBox(*m_questionBox);
}

void QuestionScreen::ShowTitle()
{
    Label8->setCaption(Public::TitleText(Public::SetNo));
}

void QuestionScreen::ShowClock()
{
    Label6->setCaption(Public::ClockText(Public::SecondsLeft));
}

void QuestionScreen::ShowCounter()
{
    Label7->setCaption(
        QStringLiteral("%1 of %2").arg(Public::QuestionNo).arg(Public::QuestionsPerSet));
}

void QuestionScreen::StartQuestionTiming()
{
    Public::QuestionStartLeft = Public::SecondsLeft;
}

void QuestionScreen::ReadOptionTexts()
{
    Public::OpenDb();
    Public::SqlText = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, adLockOptimistic);
    SetOptionTextsFromRow();
    Public::Rs.reset();
    Public::Conn->Close();
}

void QuestionScreen::SetOptionTextsFromRow()
{
    for (int k = 0; k < 5; ++k) {
        const QString column = OptionLayout::Letter(k);
        m_optionTexts[k]->setCaption(Public::Rs->field(column).toText(
            QStringLiteral("field %1 of %2").arg(column, Public::SqlText)));
    }
}

void QuestionScreen::ShowButtonPictures()
{
    Public::LoadButtonPictures();
    Image1->setPicture(Public::PicNext0);
    Image3->setPicture(Public::PicEndExam0);
    Image4->setPicture(Public::PicHelp0);
}

void QuestionScreen::LayOutOptions()
{
    OptionLayout::LayOut(*m_questionBox, m_optionTexts, m_options);
}

void QuestionScreen::ClearOptions()
{
    OptionLayout::ClearOptions(m_options);
}

// --- option texts, Help, button looks ----------------------------------------------------------

void QuestionScreen::TickOption(int element)
{
    m_options[element - 1]->setValue(true);
}

void QuestionScreen::Label1_Click()
{
    TickOption(1);
}
void QuestionScreen::Label2_Click()
{
    TickOption(2);
}
void QuestionScreen::Label3_Click()
{
    TickOption(3);
}
void QuestionScreen::Label4_Click()
{
    TickOption(4);
}
void QuestionScreen::Label5_Click()
{
    TickOption(5);
}

void QuestionScreen::Image4_Click()
{
    platform::messageBox(QStringLiteral("这个不用了吧？"));
}

void QuestionScreen::Image1_MouseMove()
{
    Image1->setPicture(Public::PicNext2);
}

void QuestionScreen::Image3_MouseMove()
{
    Image3->setPicture(Public::PicEndExam1);
}

void QuestionScreen::Image3_MouseDown()
{
    Image3->setPicture(Public::PicEndExam2);
    Image1->setPicture(Public::PicNext1);
}

void QuestionScreen::Image3_MouseUp()
{
    Image3->setPicture(Public::PicEndExam1);
    Image1->setPicture(Public::PicNext0);
}

void QuestionScreen::Image4_MouseMove()
{
    Image4->setPicture(Public::PicHelp1);
}

void QuestionScreen::Form_MouseMove()
{
    Image1->setPicture(Public::PicNext0);
    Image3->setPicture(Public::PicEndExam0);
    Image4->setPicture(Public::PicHelp0);
}

// --- the practice clock --------------------------------------------------------------------

void QuestionScreen::Timer1_Timer()
{
    Public::SecondsLeft = Public::SecondsLeft - 1;
    Label6->setCaption(Public::ClockText(Public::SecondsLeft));
    if (Public::SecondsLeft == -1) {
        // Time is up: the question on display is not recorded. This screen stays loaded and
        // hidden; its later ticks never match -1 again, so the end screen shows once.
        hide();
        platform::Forms::get<Form6>().Show();
    }
}

// --- Next ----------------------------------------------------------------------------------

void QuestionScreen::Image1_Click()
{
    // The time spent counts from the showing of the question: a press refused for want of a
    // choice leaves the start of the timing where it was.
    Public::QuestionSeconds = Public::QuestionStartLeft - Public::SecondsLeft;

    bool anyTicked = false;
    for (const platform::OptionButton *option : m_options)
        anyTicked = anyTicked || option->value();
    if (!anyTicked) {
        platform::messageBox(QStringLiteral("选项不能留空"));
        return;
    }
    Public::QuestionStartLeft = Public::SecondsLeft;
    for (int k = 0; k < 5; ++k) {
        if (m_options[k]->value())
            Public::ChosenLetter = OptionLayout::Letter(k);
    }

    RecordAnswer();

    if (Public::QuestionNo == Public::QuestionsPerSet) {
        platform::Forms::get<Form6>().Load();
        platform::Forms::get<Form6>().Show();
        unload();
        return;
    }

    Public::QuestionNo = Public::QuestionNo + 1;
    ShowCounter();
    Public::OpenDb();
    Public::SqlText = Public::TypeQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, adLockOptimistic);
    // Exact comparisons: another case, blanks around the letters, an empty text or Null name no
    // other screen, so such a question stays on this one.
    const std::optional<QuestionType> type = QuestionTypes::Named(
        Public::Rs->field(QuestionTypes::Column));
    if (type != m_ownType &&
        WithQuestionScreenFor(type, [this]<class Screen>() { SwitchTo<Screen>(); }))
        return;
    Public::Rs.reset();
    Public::Conn->Close();
    ShowNextQuestionHere();
    PrepareQuestionScreensWhenIdle(*this);
}

void QuestionScreen::ShowNextQuestionHere()
{
    LoadQuestionText();
    ReadOptionTexts();
    FitQuestionBox();
    LayOutOptions();
    ClearOptions();
}

template<class Screen> void QuestionScreen::SwitchTo()
{
    OpenQuestionScreen<Screen>();
    unload();
}

void QuestionScreen::RecordAnswer()
{
    Public::OpenDb();
    Public::SqlText = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, adLockOptimistic);
    AttemptColumns::AssignAnswer(*Public::Rs, Public::ChosenLetter, Public::QuestionSeconds);
    Public::Rs->Update();
    Public::Rs->Close();
    Public::Rs.reset();
    Public::Conn->Close();
}

// --- End Exam ------------------------------------------------------------------------------

void QuestionScreen::Image3_Click()
{
    const auto answer = platform::messageBox(QStringLiteral("确定退出吗？"),
                                             platform::MessageButtons::OkCancel,
                                             QStringLiteral("退出练习"));
    if (answer != platform::MessageAnswer::Ok)
        return;
    Public::ExitRequested = true;
    unload();
}

void QuestionScreen::Form_Unload()
{
    if (!Public::ExitRequested)
        return;
    const auto answer = platform::messageBox(QStringLiteral("是否导出做题记录？"),
                                             platform::MessageButtons::YesNo,
                                             QStringLiteral("保存做题记录"));
    if (answer == platform::MessageAnswer::Yes)
        RecordExport();
    platform::endProgram(0);
}
