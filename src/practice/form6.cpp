#include "form6.h"

#include "public.h"

#include "colors.h"
#include "forms.h"
#include "label.h"
#include "form7.h"

namespace {
const QColor LinkColor = platform::colorFromBgr(0x400000);
const QColor LinkPressedColor = platform::colorFromBgr(0x7259);
} // namespace

Form6::Form6() : Form(QStringLiteral(":/layouts/form6.json"))
{
    Label2 = control<platform::Label>(QStringLiteral("Label2"));
    Label3 = control<platform::Label>(QStringLiteral("Label3"));
    connect(Label2, &platform::Label::mouseDown, this, &Form6::Label2_MouseDown);
    connect(Label2, &platform::Label::clicked, this, &Form6::Label2_Click);
}

void Form6::Form_Load()
{
    Label3->setCaption(Public::TitleText(Public::SetNo));
}

void Form6::Form_MouseMove()
{
    Label2->setForeColor(LinkColor);
}

void Form6::Label2_MouseDown()
{
    Label2->setForeColor(LinkPressedColor);
}

void Form6::Label2_Click()
{
    platform::Forms::get<Form7>().Load();
    platform::Forms::get<Form7>().Show();
    Unload();
}
