// A run-time error escaping a handler: the error box names what failed, every screen closes and
// the program ends with a non-zero status.
#include "testform.h"

#include "forms.h"
#include "runtimeerror.h"
#include "scriptedmessageboxes.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using platform::Forms;

TEST(RuntimeErrors, AnErrorInAHandlerIsShownAndEndsTheProgramWithStatusOne)
{
    platform::resetProgramEnd();
    ScriptedMessageBoxes boxes;
    TestForm &form = Forms::get<TestForm>();
    form.Show();
    bool ranAfter = false;
    form.onLabelClick = [&] {
        throw platform::RuntimeError(platform::RuntimeError::Kind::FileNotFound,
                                     QStringLiteral("File not found: /tmp/x/Load/q.rtf"));
        ranAfter = true;
    };
    QTest::mouseClick(form.control<platform::Label>(QStringLiteral("Label2")), Qt::LeftButton);

    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_TRUE(boxes.calls[0].text.contains(QStringLiteral("/tmp/x/Load/q.rtf")));
    EXPECT_FALSE(ranAfter);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(platform::programExitStatus(), 1);
    EXPECT_TRUE(Forms::all().isEmpty());
    EXPECT_EQ(form.unloads, 0); // no handler runs after the error
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::resetProgramEnd();
}

TEST(MessageBoxes, ABoxWithoutTitleCarriesTheApplicationTitle)
{
    ScriptedMessageBoxes boxes;
    platform::setApplicationTitle(QStringLiteral("QOR"));
    boxes.queue(platform::MessageAnswer::Cancel);
    EXPECT_EQ(platform::messageBox(QStringLiteral("确定退出吗？"),
                                   platform::MessageButtons::OkCancel, QStringLiteral("退出练习")),
              platform::MessageAnswer::Cancel);
    EXPECT_EQ(platform::messageBox(QStringLiteral("选项不能留空")), platform::MessageAnswer::Ok);
    ASSERT_EQ(boxes.calls.size(), 2);
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("退出练习"));
    EXPECT_EQ(boxes.calls[1].title, QStringLiteral("QOR"));
    EXPECT_EQ(boxes.calls[1].buttons, platform::MessageButtons::Ok);
}
