#include "form1.h"

#include "form0.h"
#include "form2.h"
#include "public.h"
#include "screenlooks.h"

#include "colors.h"
#include "combobox.h"
#include "forms.h"
#include "label.h"
#include "messagebox.h"

namespace {
constexpr double StartNormalPoints = 16;
constexpr double StartPressedPoints = 17;
constexpr int EnterKey = 13;
} // namespace

Form1::Form1() : Form(QStringLiteral(":/layouts/form1.json"))
{
    Combo1 = control<platform::ComboBox>(QStringLiteral("Combo1"));
    Label2 = control<platform::Label>(QStringLiteral("Label2"));
    connect(Combo1, &platform::ComboBox::itemChosen, this, &Form1::Combo1_Click);
    connect(Combo1, &platform::ComboBox::keyPress, this, &Form1::Combo1_KeyPress);
    connect(Label2, &platform::Label::clicked, this, &Form1::Label2_Click);
    connect(Label2, &platform::Label::mouseDown, this, &Form1::Label2_MouseDown);
}

void Form1::Form_Load()
{
    for (int k = 1; k <= Public::SetCount; ++k)
        Combo1->addItem(QStringLiteral("QOR_%1").arg(k));
    // The list shows its prompt, not the first set.
    Combo1->setText(QStringLiteral("请选择模考题编号"));

    // All twelve pictures must exist; the three "previous" ones are loaded and dropped.
    Public::LoadNextPictures();
    for (const char *name : {"previous0.jpg", "previous1.jpg", "previous2.jpg"})
        platform::loadPicture(Public::ImagePath(QString::fromLatin1(name)));
    Public::PicHelp0 = platform::loadPicture(Public::ImagePath(QStringLiteral("help0.jpg")));
    Public::PicHelp1 = platform::loadPicture(Public::ImagePath(QStringLiteral("help1.jpg")));
    Public::PicHelp2 = platform::loadPicture(Public::ImagePath(QStringLiteral("help2.jpg")));
    Public::LoadEndExamPictures();
}

void Form1::Combo1_Click()
{
    // Whole-text comparison: "QOR_2" is set 2, never 20 or 24.
    for (int k = 1; k <= Public::SetCount; ++k) {
        if (Combo1->text() == QStringLiteral("QOR_%1").arg(k))
            Public::SetNo = k;
    }
}

void Form1::Combo1_KeyPress(int keyAscii)
{
    print(QString::number(keyAscii));
    if (keyAscii == EnterKey)
        StartPractice();
}

void Form1::Label2_Click()
{
    StartPractice();
}

void Form1::Label2_MouseDown()
{
    Label2->setForeColor(platform::colorFromBgr(ScreenLooks::LinkPressedColor));
    Label2->setFontSize(StartPressedPoints);
}

void Form1::Form_MouseMove()
{
    Label2->setForeColor(platform::colorFromBgr(ScreenLooks::LinkColor));
    Label2->setFontSize(StartNormalPoints);
}

void Form1::StartPractice()
{
    if (Public::SetNo == 0) {
        platform::messageBox(QStringLiteral("请选择要练习的套题编号"));
        return;
    }
    unload();
    platform::Forms::get<Form0>().Show();
    platform::Forms::get<Form2>().Show();
}
