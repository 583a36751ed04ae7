#pragma once

// A temporary program folder with the sample content, the practice state at its start values and
// the results screen at hand; every case ends with all screens closed.
#include "public.h"
#include "form7.h"

#include "forms.h"
#include "grid.h"
#include "mousegestures.h"
#include "programfolder.h"
#include "scriptedmessageboxes.h"
#include "tempprogramfolder.h"
#include "userevents.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

class ResultsTest : public ::testing::Test
{
protected:
    static constexpr int Set = 3;

    void SetUp() override
    {
        Public::ResetState();
        platform::resetProgramEnd();
        platform::setProgramFolder(folder.path());
        Public::SetNo = Set;
    }
    void TearDown() override
    {
        platform::Forms::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QString table() { return QStringLiteral("QOR%1").arg(Set); }
    static QString id(int question) { return QStringLiteral("QOR%1-Q%2").arg(Set).arg(question); }

    QVariant cell(int question, const QString &column) const
    {
        return folder.cell(table(), id(question), column);
    }
    void setCell(int question, const QString &column, const QVariant &value)
    {
        folder.setCell(table(), id(question), column, value);
    }
    // The attempt columns as Next or the reset leave them.
    void setAttempt(int question, const QString &letter, const QString &mark)
    {
        setCell(question, QStringLiteral("做题记录"), letter);
        setCell(question, QStringLiteral("正误"), mark);
    }
    // The first question of the set with that type (and, for "RC", a passage key of its own).
    int firstOfType(const QString &type) const
    {
        for (int question = 1; question <= Public::QuestionsPerSet; ++question) {
            if (cell(question, QStringLiteral("题型")).toString() != type)
                continue;
            if (type == QLatin1String("RC") &&
                cell(question, QStringLiteral("属性")).toString().isEmpty())
                continue;
            return question;
        }
        ADD_FAILURE() << "no question of type " << type.toStdString();
        return 1;
    }

    Form7 &openResults()
    {
        auto &results = platform::Forms::get<Form7>();
        results.Load();
        results.Show();
        return results;
    }
    // A real double-click on grid row `row` (1 and up).
    static void doubleClickRow(Form7 &results, int row)
    {
        platform::Grid *grid = results.MSHFlexGrid1;
        grid->scrollToItem(grid->item(row - 1, 0));
        const QPoint centre = grid->visualItemRect(grid->item(row - 1, 0)).center();
        realDoubleClick(grid->viewport(), centre);
    }

    testsupport::TempProgramFolder folder{sample::Options{{Set}}};
    ScriptedMessageBoxes boxes;
};
