// Controls built from a layout: twips geometry, labels that size themselves, option groups,
// colours and pictures.
#include "testform.h"

#include "colors.h"
#include "forms.h"
#include "frame.h"
#include "image.h"
#include "optionbutton.h"
#include "mousegestures.h"
#include "picture.h"
#include "runtimeerror.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <QTest>

#include <cstdio>

#include <gtest/gtest.h>

#include <algorithm>

using platform::Forms;

namespace {

class Controls : public ::testing::Test
{
protected:
    void SetUp() override { form = &Forms::get<TestForm>(); }
    void TearDown() override
    {
        Forms::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template<class T> T *find(const char *name)
    {
        return form->control<T>(QString::fromUtf8(name));
    }

    TestForm *form = nullptr;
};

TEST_F(Controls, GeometryReadsBackTheTwipsSetAndPlacesByRoundedPixels)
{
    auto *label = find<platform::Label>("Label2");
    EXPECT_DOUBLE_EQ(label->leftTwips(), 14250.5);
    EXPECT_DOUBLE_EQ(label->topTwips(), 11090);
    EXPECT_EQ(label->geometry(), QRect(950, 739, 69, 29));

    label->setTopTwips(615.25);
    EXPECT_DOUBLE_EQ(label->topTwips(), 615.25);
    EXPECT_EQ(label->y(), 41);
}

TEST_F(Controls, ControlsInsideAFrameArePlacedRelativeToIt)
{
    auto *option = find<platform::OptionButton>("Option1(2)");
    EXPECT_EQ(option->parentWidget(), find<platform::Frame>("Frame1"));
    EXPECT_EQ(option->pos(), QPoint(24, 40));
}

TEST_F(Controls, AskingForAControlTheLayoutLacksIsAProgrammingError)
{
    EXPECT_THROW(find<platform::Label>("Label9"), std::logic_error);
    EXPECT_THROW(find<platform::Image>("Label1"), std::logic_error);
}

TEST_F(Controls, AWordWrappingLabelGrowsByWholeLinesAndKeepsItsWidth)
{
    auto *label = find<platform::Label>("Label1");
    label->setCaption(QStringLiteral("A"));
    const double oneLine = label->heightTwips();
    EXPECT_GT(oneLine, 0);
    EXPECT_DOUBLE_EQ(label->widthTwips(), 3000);

    label->setCaption(QString(60, QChar(0x4E2D))); // sixty Chinese characters wrap
    const double wrapped = label->heightTwips();
    EXPECT_GT(wrapped, oneLine);
    EXPECT_DOUBLE_EQ(std::fmod(wrapped, oneLine), 0.0);

    label->setCaption(QString());
    EXPECT_DOUBLE_EQ(label->heightTwips(), oneLine); // an empty text keeps one line

    label->setCaption(QStringLiteral("A"));
    label->setFontSize(20);
    EXPECT_GT(label->heightTwips(), oneLine); // the height follows the font size
}

TEST_F(Controls, AnOverlongWordWrapsWithABreakEveryFewHundredCharacters)
{
    auto *label = find<platform::Label>("Label1");
    label->setCaption(QStringLiteral("A"));
    const double oneLine = label->heightTwips();

    const QString word(5000, u'w');
    label->setCaption(word);
    EXPECT_EQ(label->caption(), word);
    // The longest stretch the line breaker crosses without a place to break: a word of any
    // length costs it one pass.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, label->text());
    qsizetype longest = 0;
    for (qsizetype previous = 0; breaks.toNextBoundary() >= 0; previous = breaks.position())
        longest = std::max(longest, breaks.position() - previous);
    EXPECT_LE(longest, 201); // 200 characters and the break after them
    EXPECT_EQ(label->text().remove(QChar(0x200B)), word);
    EXPECT_GT(label->heightTwips(), 10 * oneLine); // wrapped at the label's width

    // A caption of a million characters shows its beginning.
    const QString huge(1000000, u'h');
    label->setCaption(huge);
    EXPECT_EQ(label->caption(), huge);
    EXPECT_EQ(label->text().remove(QChar(0x200B)), huge.left(platform::Label::MaxShownLength));
}

TEST_F(Controls, AnAutoSizedLabelWithoutWrappingFollowsItsTextWidth)
{
    auto *label = find<platform::Label>("Label3");
    const double width = label->widthTwips();
    label->setCaption(QStringLiteral("【Hide】【Hide】"));
    EXPECT_GT(label->widthTwips(), width);
}

TEST_F(Controls, OptionButtonsOfOneFrameAreOneGroupAndCanAllBeCleared)
{
    auto *first = find<platform::OptionButton>("Option1(1)");
    auto *second = find<platform::OptionButton>("Option1(2)");
    first->setValue(true);
    second->setValue(true);
    EXPECT_FALSE(first->value());
    EXPECT_TRUE(second->value());
    second->setValue(false);
    EXPECT_FALSE(second->value());
    EXPECT_FALSE(first->value());

    form->Show();
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_TRUE(first->value());
}

TEST_F(Controls, ColoursAreReadAsBlueGreenRed)
{
    EXPECT_EQ(platform::parseColor(QStringLiteral("&H400000")), QColor(0, 0, 0x40));
    EXPECT_EQ(platform::parseColor(QStringLiteral("&H7259")), QColor(0x59, 0x72, 0));
    EXPECT_EQ(platform::parseColor(QStringLiteral("&HFF")), QColor(255, 0, 0));
    EXPECT_EQ(platform::parseColor(QStringLiteral("&hFF00")), QColor(0, 255, 0));
    EXPECT_EQ(platform::parseColor(QStringLiteral("window")), QColor(255, 255, 255));
    EXPECT_FALSE(platform::parseColor(QStringLiteral("&Hxyz")).isValid());
    EXPECT_EQ(find<platform::Label>("Label2")->foreColor(), QColor(0, 0, 0x40));
}

TEST_F(Controls, LabelsReportClicksPressesAndReleases)
{
    form->Show();
    auto *label = find<platform::Label>("Label2");
    QStringList seen;
    QObject::connect(label, &platform::Label::mouseDown, form, [&] { seen << "down"; });
    QObject::connect(label, &platform::Label::mouseUp, form, [&] { seen << "up"; });
    QObject::connect(label, &platform::Label::clicked, form, [&] { seen << "click"; });
    QObject::connect(label, &platform::Label::doubleClicked, form, [&] { seen << "dblclick"; });
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(seen, (QStringList{"down", "up", "click"}));

    // A double-click is one click: its second press is the double-click, not a second press.
    seen.clear();
    realDoubleClick(label);
    EXPECT_EQ(seen, (QStringList{"down", "up", "click", "dblclick", "up"}));
}

TEST_F(Controls, TheSecondPressOfADoubleClickReachesOnlyTheWindowOfTheFirst)
{
    // A click on the label opens another screen under the pointer, as Next or a link does.
    form->Show();
    auto *opener = find<platform::Label>("Label2");
    auto &other = Forms::get<OtherForm>();
    form->onLabelClick = [&other] { other.Show(); };
    auto *option = other.control<platform::OptionButton>(QStringLiteral("Option1(1)"));
    auto *label = other.control<platform::Label>(QStringLiteral("Label2"));
    QStringList seen;
    QObject::connect(label, &platform::Label::mouseUp, &other, [&] { seen << "up"; });
    QObject::connect(label, &platform::Label::clicked, &other, [&] { seen << "click"; });
    QObject::connect(label, &platform::Label::doubleClicked, &other, [&] { seen << "dblclick"; });
    const auto secondHalf = [](QWidget *target) {
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
    };

    QTest::mouseClick(opener, Qt::LeftButton);
    ASSERT_TRUE(other.isVisible());
    secondHalf(option);
    EXPECT_FALSE(option->value());
    QTest::mouseClick(opener, Qt::LeftButton);
    secondHalf(label);
    EXPECT_TRUE(seen.isEmpty()) << seen.join(u' ').toStdString();

    // The window's own double-clicks are whole.
    realDoubleClick(label);
    EXPECT_EQ(seen, (QStringList{"up", "click", "dblclick", "up"}));
    realDoubleClick(option);
    EXPECT_TRUE(option->value());
}

TEST(Pictures, AMissingOrBrokenPictureNamesItsPath)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("images/end exam0.jpg"));
    try {
        platform::loadPicture(missing);
        FAIL() << "no error";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.kind(), platform::RuntimeError::Kind::FileNotFound);
        EXPECT_TRUE(error.message().contains(missing));
    }

    const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    EXPECT_THROW(platform::loadPicture(broken), platform::RuntimeError);
}

TEST(Pictures, APictureTooLargeToDecodeIsCalledTooLarge)
{
    // A small JPEG whose frame header claims 20000 x 20000 pixels.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("help0.jpg"));
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImage(16, 16, QImage::Format_RGB32).save(&buffer, "JPG"));
    }
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    for (const qsizetype at : {frame + 5, frame + 7}) { // height, then width, big-endian
        bytes[at] = char(20000 >> 8);
        bytes[at + 1] = char(20000 & 0xFF);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    try {
        platform::loadPicture(path);
        FAIL() << "no error";
    } catch (const platform::RuntimeError &error) {
        EXPECT_TRUE(error.message().startsWith(
            QStringLiteral("Cannot read picture %1: it is too large (20000 x 20000 pixels; ")
                .arg(path)))
            << error.message().toStdString();
    }
}

// A binary PPM of one colour: its size depends on the picture's size alone, so a picture of
// another colour can take the file's place without changing its size.
void writePlainPicture(const QString &path, QColor colour, const QDateTime &modified)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "PPM"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

QColor colourOf(const platform::Picture &picture)
{
    return picture.pixmap().toImage().pixelColor(0, 0);
}

TEST(Pictures, AFileChangedOnDiskIsReadAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("next0.ppm"));
    const QDateTime before = QDateTime::fromSecsSinceEpoch(1700000000);
    writePlainPicture(path, Qt::red, before);
    const platform::Picture first = platform::loadPicture(path);
    EXPECT_EQ(colourOf(first), QColor(Qt::red));
    const platform::Picture again = platform::loadPicture(path);
    EXPECT_EQ(colourOf(again), QColor(Qt::red));
    EXPECT_FALSE(again == first); // each load is a picture of its own

    // Same size, a later modification time.
    writePlainPicture(path, Qt::blue, before.addSecs(1));
    EXPECT_EQ(colourOf(platform::loadPicture(path)), QColor(Qt::blue));

    // Another size, the same modification time.
    QImage larger(16, 8, QImage::Format_RGB32);
    larger.fill(Qt::green);
    ASSERT_TRUE(larger.save(path, "PPM"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(before.addSecs(1), QFileDevice::FileModificationTime));
    file.close();
    const platform::Picture green = platform::loadPicture(path);
    EXPECT_EQ(green.pixmap().size(), QSize(16, 8));
    EXPECT_EQ(colourOf(green), QColor(Qt::green));

    // Another file of the same size and time moved into its place.
    const QString other = dir.filePath(QStringLiteral("other.ppm"));
    writePlainPicture(other, Qt::yellow, before);
    writePlainPicture(path, Qt::cyan, before);
    EXPECT_EQ(colourOf(platform::loadPicture(path)), QColor(Qt::cyan));
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()),
              0);
    EXPECT_EQ(colourOf(platform::loadPicture(path)), QColor(Qt::yellow));

    // A file that is gone is missing, whatever was decoded from it before.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_THROW(platform::loadPicture(path), platform::RuntimeError);
}

TEST(Pictures, AnUnchangedFileIsNotDecodedAgain)
{
    // The second load shares the pixels of the first: the file was not decoded again.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("help0.ppm"));
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1700000000);
    writePlainPicture(path, Qt::red, stamp);
    const platform::Picture first = platform::loadPicture(path);
    const platform::Picture second = platform::loadPicture(path);
    EXPECT_EQ(second.pixmap().cacheKey(), first.pixmap().cacheKey());
    EXPECT_FALSE(second == first); // a load of its own all the same
}

TEST(Pictures, AnImageTakesThePictureSizeUnlessStretched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("next0.jpg"));
    QImage(69, 29, QImage::Format_RGB32).save(path, "JPG");
    const platform::Picture picture = platform::loadPicture(path);

    platform::Image plain;
    plain.setGeometryTwips(0, 0, 1035, 435);
    plain.setPicture(picture);
    EXPECT_DOUBLE_EQ(plain.widthTwips(), 69 * 15);
    EXPECT_EQ(plain.picture(), picture);

    platform::Image stretched;
    stretched.setStretch(true);
    stretched.setGeometryTwips(0, 0, 1800, 480);
    stretched.setPicture(picture);
    EXPECT_DOUBLE_EQ(stretched.widthTwips(), 1800);
    EXPECT_FALSE(stretched.picture() ==
                 platform::loadPicture(path)); // another load, another picture
}

} // namespace
