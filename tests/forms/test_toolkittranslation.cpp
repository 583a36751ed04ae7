// Qt's own texts (message-box buttons, the text boxes' context menus) in Chinese, and a program
// that runs on in English when the translation is missing.
#include "toolkittranslation.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {
QStringList buttonTexts()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes |
                           QMessageBox::No);
    QStringList texts;
    for (auto button : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No})
        texts << box.button(button)->text().remove(u'&');
    return texts;
}
} // namespace

TEST(ToolkitTranslation, StandardButtonsAndMenusReadChineseAndAMissingFileOnlyWarns)
{
    QTemporaryDir empty;
    EXPECT_FALSE(platform::installToolkitTranslation(empty.path()));
    EXPECT_EQ(buttonTexts(), (QStringList{"OK", "Cancel", "Yes", "No"}));

    ASSERT_TRUE(platform::installToolkitTranslation());
    const QStringList texts = buttonTexts();
    for (const char *chinese : {"确定", "取消", "是", "否"}) {
        EXPECT_TRUE(texts.filter(QString::fromUtf8(chinese)).size() == 1)
            << chinese << " in " << texts.join(u'|').toStdString();
    }
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->text();
    EXPECT_TRUE(items.filter(QStringLiteral("复制")).size() == 1) << items.join(u'|').toStdString();
}
