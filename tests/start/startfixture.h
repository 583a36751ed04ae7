#pragma once

#include "public.h"

#include "forms.h"
#include "programfolder.h"
#include "scriptedmessageboxes.h"
#include "tempprogramfolder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

// A fresh run of the program against a temporary program folder holding sets 3 and 8.
class StartFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = std::make_unique<testsupport::TempProgramFolder>(sample::Options{{3, 8}});
        Public::ResetState();
        platform::resetProgramEnd();
        platform::setProgramFolder(folder->path());
    }

    void TearDown() override
    {
        platform::Forms::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::resetProgramEnd();
    }

    static QString id(int set, int question)
    {
        return QStringLiteral("QOR%1-Q%2").arg(set).arg(question);
    }
    QVariant cell(int set, int question, const char *column) const
    {
        return folder->cell(QStringLiteral("QOR%1").arg(set), id(set, question),
                            QString::fromUtf8(column));
    }
    void setCell(int set, int question, const char *column, const QVariant &value)
    {
        folder->setCell(QStringLiteral("QOR%1").arg(set), id(set, question),
                        QString::fromUtf8(column), value);
    }

    std::unique_ptr<testsupport::TempProgramFolder> folder;
    ScriptedMessageBoxes boxes;
};
