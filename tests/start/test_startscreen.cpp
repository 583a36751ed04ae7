// The start screen: the list of sets, the choice by whole text, the printed key codes, the looks
// of "START" and the start of a practice.
#include "startfixture.h"

#include "form0.h"
#include "form1.h"
#include "form2.h"

#include "colors.h"
#include "combobox.h"
#include "label.h"
#include "runtimeerror.h"
#include "image.h"
#include "userevents.h"

#include "support/namedpipe.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>

using platform::Forms;

namespace {

class StartScreen : public StartFixture
{
protected:
    Form1 &open()
    {
        Form1 &form = Forms::get<Form1>();
        form.Show();
        // The window becomes active, so its box holds the application's focus and loses it for
        // real when the focus moves away.
        QCoreApplication::processEvents();
        EXPECT_TRUE(form.Combo1->hasFocus());
        return form;
    }
    // Choosing an item with the mouse: drop the list down, click the item.
    static void choose(Form1 &form, const QString &item)
    {
        form.Combo1->showPopup();
        QAbstractItemView *list = form.Combo1->view();
        const QModelIndex index = list->model()->index(form.Combo1->findText(item), 0);
        list->scrollTo(index);
        userevents::click(list->viewport(), list->visualRect(index).center());
    }
};

TEST_F(StartScreen, OpensWithTheTwentyFourSetsInOrderAndItsDesignSize)
{
    Form1 &form = open();
    EXPECT_EQ(form.caption(), QStringLiteral("Start"));
    EXPECT_EQ(form.size(), QSize(500, 239));
    ASSERT_EQ(form.Combo1->count(), 24);
    for (int k = 1; k <= 24; ++k)
        EXPECT_EQ(form.Combo1->itemText(k - 1), QStringLiteral("QOR_%1").arg(k));
    EXPECT_EQ(form.Combo1->text(), QStringLiteral("请选择模考题编号"));
    EXPECT_TRUE(form.focusWidget() == form.Combo1 || form.focusWidget() == form.Combo1->lineEdit());
    EXPECT_FALSE(Public::PicHelp2.isNull());
    EXPECT_FALSE(Public::PicEndExam1.isNull());
}

TEST_F(StartScreen, StartingWithoutAChosenSetOnlyAsksForOne)
{
    // A typed set name is no choice, neither at Enter nor when the box loses the focus (as it
    // does to the message box).
    Form1 &form = open();
    form.Combo1->lineEdit()->selectAll(); // typed over the prompt
    QTest::keyClicks(form.Combo1->lineEdit(), QStringLiteral("QOR_3"));
    QTest::keyClick(form.Combo1->lineEdit(), Qt::Key_Return);
    form.Combo1->clearFocus();
    form.Combo1->setFocus();
    QTest::keyClick(form.Combo1->lineEdit(), Qt::Key_Return);
    userevents::click(form.Label2);
    const QString ask = QStringLiteral("请选择要练习的套题编号");
    EXPECT_EQ(boxes.texts(), (QStringList{ask, ask, ask}));
    EXPECT_EQ(Public::SetNo, 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Forms::find<Form2>(), nullptr);
}

TEST_F(StartScreen, TheChoiceComparesTheWholeText)
{
    Form1 &form = open();
    const struct
    {
        const char *item;
        int set;
    } rows[] = {{"QOR_24", 24}, {"QOR_2", 2}, {"QOR_20", 20}, {"QOR_1", 1}};
    for (const auto &row : rows) {
        choose(form, QString::fromLatin1(row.item));
        EXPECT_EQ(Public::SetNo, row.set) << row.item;
    }
    form.Combo1->setText(QStringLiteral("QOR_7 "));
    form.Combo1_Click();
    EXPECT_EQ(Public::SetNo, 1); // a text that is no item changes nothing
}

TEST_F(StartScreen, EveryKeyIsPrintedAndEnterStartsAfterItsCode)
{
    Form1 &form = open();
    choose(form, QStringLiteral("QOR_5"));
    QTest::keyClicks(form.Combo1->lineEdit(), QStringLiteral("ax"));
    EXPECT_EQ(form.printedLines(), (QStringList{QStringLiteral("97"), QStringLiteral("120")}));
    // An arrow key that comes with a NUL as its text (as some platforms send it) types nothing.
    QKeyEvent arrowWithNul(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(QChar(0)));
    QApplication::sendEvent(form.Combo1->lineEdit(), &arrowWithNul);
    EXPECT_EQ(form.printedLines().size(), 2);
    QTest::keyClick(form.Combo1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form.printedLines().last(), QStringLiteral("13"));
    EXPECT_EQ(Forms::find<Form1>(), nullptr);
    ASSERT_NE(Forms::find<Form2>(), nullptr);
    // The edited text does not matter: the set chosen from the list starts.
    EXPECT_EQ(Forms::find<Form2>()->Label1->caption(), QStringLiteral("Practice QOR-ZQ-24 No.5"));
}

TEST_F(StartScreen, TypingOverAChosenSetThenLeavingTheBoxOrEnterKeepsTheChosenSet)
{
    Form1 &form = open();
    choose(form, QStringLiteral("QOR_8"));
    QLineEdit *edit = form.Combo1->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("QOR_3"));
    EXPECT_EQ(form.Combo1->text(), QStringLiteral("QOR_3"));
    form.Combo1->clearFocus();
    EXPECT_EQ(Public::SetNo, 8);
    form.Combo1->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_NE(Forms::find<Form2>(), nullptr);
    EXPECT_EQ(Forms::find<Form2>()->Label1->caption(), QStringLiteral("Practice QOR-ZQ-24 No.8"));
}

TEST_F(StartScreen, TheArrowKeysAndTheWheelChooseAndTheDroppedDownListTakesKeysAndEnter)
{
    Form1 &form = open();
    QWheelEvent wheelDown(QPointF(10, 10), form.Combo1->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.Combo1, &wheelDown);
    EXPECT_EQ(Public::SetNo, 1);
    QTest::keyClick(form.Combo1, Qt::Key_Down);
    EXPECT_EQ(Public::SetNo, 2);
    QTest::keyClick(form.Combo1, Qt::Key_Up);
    EXPECT_EQ(Public::SetNo, 1);

    // Dropped down with the mouse on the arrow; the list highlights, only Enter chooses.
    QStyleOptionComboBox option;
    option.initFrom(form.Combo1);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QPoint arrow = form.Combo1->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxArrow, form.Combo1)
                             .center();
    QTest::mousePress(form.Combo1, Qt::LeftButton, {}, arrow);
    QAbstractItemView *list = form.Combo1->view();
    ASSERT_TRUE(list->isVisible());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_5); // no item starts with 5: the highlight stays
    EXPECT_EQ(Public::SetNo, 1);
    QTest::keyClick(list, Qt::Key_Return);

    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(form.printedLines(), (QStringList{QStringLiteral("53"), QStringLiteral("13")}));
    EXPECT_EQ(Public::SetNo, 3);
    ASSERT_NE(Forms::find<Form2>(), nullptr);
    EXPECT_EQ(Forms::find<Form2>()->Label1->caption(), QStringLiteral("Practice QOR-ZQ-24 No.3"));
}

TEST_F(StartScreen, StartLooksPressedOnMouseDownAndNormalOverTheSurface)
{
    Form1 &form = open();
    EXPECT_DOUBLE_EQ(form.Label2->fontSize(), 14.25);
    userevents::press(form.Label2);
    EXPECT_EQ(form.Label2->foreColor(), platform::colorFromBgr(0x7259));
    EXPECT_DOUBLE_EQ(form.Label2->fontSize(), 17);
    QTest::mouseMove(&form, QPoint(20, 220));
    EXPECT_EQ(form.Label2->foreColor(), platform::colorFromBgr(0x400000));
    EXPECT_DOUBLE_EQ(form.Label2->fontSize(), 16);
}

TEST_F(StartScreen, StartingOpensTheBackdropOverTheWholeScreenAndTheIntroPage)
{
    Form1 &form = open();
    choose(form, QStringLiteral("QOR_3"));
    userevents::click(form.Label2);

    EXPECT_EQ(Forms::find<Form1>(), nullptr);
    Form0 *backdrop = Forms::find<Form0>();
    ASSERT_NE(backdrop, nullptr);
    EXPECT_TRUE(backdrop->isVisible());
    EXPECT_TRUE(backdrop->windowFlags() & Qt::FramelessWindowHint);
    // What a window manager reads: a maximized window (not one to put on top as full-screen)
    // that stays below the other screens when clicked.
    EXPECT_TRUE(backdrop->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(backdrop->windowFlags() & Qt::WindowStaysOnBottomHint);
    EXPECT_EQ(backdrop->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_EQ(backdrop->palette().color(QPalette::Window), QColor(Qt::black));
    Form2 *intro = Forms::find<Form2>();
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(intro->isVisible());
    EXPECT_EQ(intro->size(), QSize(1024, 768));
}

TEST_F(StartScreen, AMissingPictureFailsTheLoadNamingTheFile)
{
    const QString picture = folder->filePath(QStringLiteral("images/previous1.jpg"));
    ASSERT_TRUE(QFile::remove(picture));
    try {
        open();
        FAIL() << "the start screen loaded without its picture";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.kind(), platform::RuntimeError::Kind::FileNotFound);
        EXPECT_TRUE(error.message().contains(picture)) << error.message().toStdString();
    }
}

TEST_F(StartScreen, APipeInPlaceOfAPictureIsRefusedAsOne)
{
    const QString picture = folder->filePath(QStringLiteral("images/next0.jpg"));
    ASSERT_TRUE(QFile::remove(picture));
    const testsupport::NamedPipe fifo(picture, QByteArrayLiteral("not a picture"));
    try {
        open();
        FAIL() << "the start screen loaded without its picture";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.message(),
                  picture + QStringLiteral(" is a named pipe, not a regular file"));
    }
}

// --- the backdrop ----------------------------------------------------------------------------

class Backdrop : public StartScreen
{
protected:
    // A started practice of set 3: the backdrop and, in front of it, the intro page.
    Form0 &start()
    {
        Form1 &form = open();
        choose(form, QStringLiteral("QOR_3"));
        userevents::click(form.Label2);
        return *Forms::find<Form0>();
    }
    static void flush() { QCoreApplication::processEvents(); }
};

TEST_F(Backdrop, ClosesOnAltF4AloneAndTheProgramEndsWell)
{
    Form0 &backdrop = start();
    Forms::find<Form2>()->close(); // the intro page closed without Next
    ASSERT_EQ(Forms::find<Form2>(), nullptr);
    ASSERT_TRUE(backdrop.isVisible());

    QTest::keyClick(&backdrop, Qt::Key_F4); // F4 alone does nothing
    EXPECT_FALSE(platform::programEnded());
    QTest::keyClick(&backdrop, Qt::Key_F4, Qt::AltModifier);

    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(platform::programExitStatus(), 0);
    EXPECT_EQ(Forms::find<Form0>(), nullptr);
}

TEST_F(Backdrop, AClickTakesTheKeyboardAndAltF4ClosesOnlyTheBackdropWhileAScreenIsUp)
{
    Form0 &backdrop = start();
    flush();
    ASSERT_EQ(QApplication::activeWindow(), Forms::find<Form2>());

    userevents::click(&backdrop, QPoint(5, 5));
    flush();
    EXPECT_EQ(QApplication::activeWindow(), &backdrop);

    QTest::keyClick(&backdrop, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(Forms::find<Form0>(), nullptr);
    EXPECT_FALSE(platform::programEnded());
    ASSERT_NE(Forms::find<Form2>(), nullptr);
    EXPECT_TRUE(Forms::find<Form2>()->isVisible());
}

} // namespace
