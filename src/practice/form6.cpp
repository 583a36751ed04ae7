#include "form6.h"

#include "public.h"
#include "screenlooks.h"

#include "colors.h"
#include "forms.h"
#include "label.h"
#include "form7.h"

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
    Label2->setForeColor(platform::colorFromBgr(ScreenLooks::LinkColor));
}

void Form6::Label2_MouseDown()
{
    Label2->setForeColor(platform::colorFromBgr(ScreenLooks::LinkPressedColor));
}

void Form6::Label2_Click()
{
    platform::Forms::get<Form7>().Load();
    platform::Forms::get<Form7>().Show();
    unload();
}
