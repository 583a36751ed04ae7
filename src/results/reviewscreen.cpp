#include "reviewscreen.h"

#include "form7.h"

#include "public.h"

#include "attemptcolumns.h"

#include "recordset.h"
#include "colors.h"
#include "forms.h"
#include "label.h"
#include "optionbutton.h"

namespace {
constexpr quint32 HideNormalColor = 0xFFFFFF; // white
constexpr quint32 HidePressedColor = 0xFFFF;  // yellow
} // namespace

ReviewScreen::ReviewScreen(const QString &layoutResource) : Form(layoutResource)
{
    for (int k = 1; k <= 5; ++k) {
        m_labels[size_t(k - 1)] = control<platform::Label>(QStringLiteral("Label%1").arg(k));
        m_buttons[size_t(k - 1)] = control<platform::OptionButton>(
            QStringLiteral("Option1(%1)").arg(k));
        connect(m_labels[size_t(k - 1)], &platform::Label::clicked, this,
                [this, k] { TickOption(k); });
    }
    Label6 = control<platform::Label>(QStringLiteral("Label6"));
    Label7 = control<platform::Label>(QStringLiteral("Label7"));
    Label8 = control<platform::Label>(QStringLiteral("Label8"));
    connect(Label6, &platform::Label::clicked, this, &ReviewScreen::Label6_Click);
    connect(Label6, &platform::Label::mouseDown, this, &ReviewScreen::Label6_MouseDown);
}

void ReviewScreen::TickOption(int k)
{
    m_buttons[size_t(k - 1)]->setValue(true);
}

void ReviewScreen::Label6_Click()
{
    platform::Forms::get<Form7>().Show();
    unload();
}

void ReviewScreen::Label6_MouseDown()
{
    Label6->setForeColor(platform::colorFromBgr(HidePressedColor));
}

void ReviewScreen::Form_MouseMove()
{
    Label6->setForeColor(platform::colorFromBgr(HideNormalColor));
}

void ReviewScreen::ShowHeader()
{
    Label8->setCaption(Public::TitleText(Public::SetNo));
    Label7->setCaption(
        QStringLiteral("%1 of %2").arg(Public::QuestionNo).arg(Public::QuestionsPerSet));
}

void ReviewScreen::ShowOptionTexts(const platform::db::Recordset &row)
{
    for (int k = 0; k < 5; ++k) {
        const QString field = OptionLayout::Letter(k);
        m_labels[size_t(k)]->setCaption(
            row.field(field).toText(QStringLiteral("field %1 of %2").arg(field, row.source())));
    }
}

void ReviewScreen::TickStoredAnswer(const platform::db::Recordset &row)
{
    OptionLayout::TickStoredLetter(m_buttons, row.field(AttemptColumns::Letter));
}
