// The pictures the build drew into bin/Support, held against the table that describes them.

#include "support/SupportPictures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

namespace zv {

void PrintTo(const SupportPicture& picture, std::ostream* out)
{
    *out << picture.name.toStdString() << " " << picture.width << "x" << picture.height;
}

namespace {

using Kind = SupportPicture::Kind;

QString SupportPath(const QString& name)
{
    return QDir(QStringLiteral(ZV_SUPPORT_DIR)).filePath(name);
}

QImage ReadPicture(const QString& path)
{
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool IsLit(Kind kind)
{
    return kind == Kind::ButtonOn || kind == Kind::PageButtonOn;
}

bool IsIdle(Kind kind)
{
    return kind == Kind::ButtonOff || kind == Kind::PageButtonOff;
}

// "XOn.bmp" goes with "XOff.bmp"; the finder's "Go.bmp", lit without a suffix, with "GoOff.bmp".
QString IdlePartnerOf(const QString& litName)
{
    QString base = litName.chopped(4);
    if (base.endsWith(QLatin1String("On")))
        base.chop(2);
    return base + QLatin1String("Off.bmp");
}

// Off pictures without a lit partner: Find Maps never arms, and the browser's two game choosers
// switch the column to another set instead of lighting up.
const QSet<QString> SingleLookOffPictures{"FMFindMapsOff.bmp", "BHWWEOff.bmp", "RMTH3Off.bmp"};

double MeanLightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += image.pixelColor(x, y).lightnessF();
    }
    return sum / (double(image.width()) * image.height());
}

bool HasSeveralColours(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return true;
        }
    }
    return false;
}

// --- each generated picture -------------------------------------------------------------------

using GeneratedPictureTest = ::testing::TestWithParam<SupportPicture>;

TEST_P(GeneratedPictureTest, IsABitmapOfTheTableSizeWithSomethingDrawn)
{
    const SupportPicture& picture = GetParam();
    QImageReader reader(SupportPath(picture.name));
    reader.setDecideFormatFromContent(true);
    ASSERT_TRUE(reader.canRead()) << "missing or unreadable: "
                                  << SupportPath(picture.name).toStdString();
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.width(), picture.width);
    EXPECT_EQ(image.height(), picture.height);
    EXPECT_TRUE(HasSeveralColours(image)) << "a plain fill: nothing was drawn";
}

std::string TestNameOf(const ::testing::TestParamInfo<SupportPicture>& info)
{
    std::string name = std::to_string(info.index) + "_" + info.param.name.toStdString();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Table, GeneratedPictureTest, ::testing::ValuesIn(SupportPictures()),
                         TestNameOf);

// --- the table as a whole ---------------------------------------------------------------------

TEST(SupportTableTest, NamesAreBareBitmapNamesUniqueEvenWithoutCase)
{
    // Windows folds case, so two names differing only in case would be one file there.
    QSet<QString> seen;
    for (const SupportPicture& picture : SupportPictures()) {
        const std::string name = picture.name.toStdString();
        EXPECT_TRUE(picture.name.endsWith(QLatin1String(".bmp"))) << name;
        EXPECT_FALSE(picture.name.contains(u'\\') || picture.name.contains(u'/')) << name;
        EXPECT_GT(picture.width, 0) << name;
        EXPECT_GT(picture.height, 0) << name;
        EXPECT_FALSE(seen.contains(picture.name.toLower())) << "twice: " << name;
        seen.insert(picture.name.toLower());
    }
}

TEST(SupportTableTest, FindsPicturesByExactName)
{
    const SupportPicture* found = FindSupportPicture(QStringLiteral("StoreMapOn.bmp"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, QStringLiteral("StoreMapOn.bmp"));
    EXPECT_EQ(FindSupportPicture(QStringLiteral("\\Support\\StoreMapOn.bmp")), nullptr);
    EXPECT_EQ(FindSupportPicture(QStringLiteral("NoSuchPicture.bmp")), nullptr);
}

TEST(SupportTableTest, BlankButtonFitsEveryManagerButtonItStandsIn)
{
    const SupportPicture* blank = FindSupportPicture(QStringLiteral("BlankButton.bmp"));
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->kind, Kind::BlankButton);
    EXPECT_TRUE(blank->caption.isEmpty());
    const QStringList blanked{
        "FMCopyOff.bmp",      "FMDeleteOff.bmp",       "FMMoveOff.bmp",         "FMRenameOff.bmp",
        "FMNewFolderOff.bmp", "FMDeleteFolderOff.bmp", "FMRenameFolderOff.bmp", "FMFindMapsOff.bmp",
        "FMSwitchRMTH3.bmp",  "FMSwitchBHWWE.bmp"};
    for (const QString& name : blanked) {
        const SupportPicture* button = FindSupportPicture(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        EXPECT_EQ(button->width, blank->width) << name.toStdString();
        EXPECT_EQ(button->height, blank->height) << name.toStdString();
    }
}

// --- Off and On pairs -------------------------------------------------------------------------

TEST(SupportPairsTest, EveryLitPictureHasAnIdlePartnerOfTheSameSizeAndCaption)
{
    for (const SupportPicture& lit : SupportPictures()) {
        if (!IsLit(lit.kind))
            continue;
        const SupportPicture* idle = FindSupportPicture(IdlePartnerOf(lit.name));
        ASSERT_NE(idle, nullptr) << "no Off picture for " << lit.name.toStdString();
        EXPECT_TRUE(IsIdle(idle->kind)) << idle->name.toStdString();
        EXPECT_EQ(idle->width, lit.width) << lit.name.toStdString();
        EXPECT_EQ(idle->height, lit.height) << lit.name.toStdString();
        EXPECT_EQ(idle->caption, lit.caption) << lit.name.toStdString();
    }
}

TEST(SupportPairsTest, EveryOffPictureHasALitPartnerUnlessItHasOneLook)
{
    QSet<QString> partnered;
    for (const SupportPicture& picture : SupportPictures()) {
        if (IsLit(picture.kind))
            partnered.insert(IdlePartnerOf(picture.name));
    }
    for (const SupportPicture& picture : SupportPictures()) {
        if (!picture.name.endsWith(QLatin1String("Off.bmp")))
            continue;
        const std::string name = picture.name.toStdString();
        EXPECT_TRUE(IsIdle(picture.kind)) << name;
        if (SingleLookOffPictures.contains(picture.name))
            EXPECT_FALSE(partnered.contains(picture.name)) << name << " has a partner after all";
        else
            EXPECT_TRUE(partnered.contains(picture.name)) << "no On picture for " << name;
    }
    for (const QString& name : SingleLookOffPictures)
        EXPECT_NE(FindSupportPicture(name), nullptr) << name.toStdString();
}

TEST(SupportPairsTest, LitPictureIsVisiblyBrighterThanItsIdlePartner)
{
    for (const SupportPicture& lit : SupportPictures()) {
        if (!IsLit(lit.kind))
            continue;
        const QImage litImage = ReadPicture(SupportPath(lit.name));
        const QImage idleImage = ReadPicture(SupportPath(IdlePartnerOf(lit.name)));
        ASSERT_FALSE(litImage.isNull() || idleImage.isNull()) << lit.name.toStdString();
        EXPECT_NE(litImage, idleImage) << lit.name.toStdString();
        EXPECT_GT(MeanLightness(litImage), MeanLightness(idleImage) + 0.05)
            << lit.name.toStdString();
    }
}

// --- the generator ----------------------------------------------------------------------------

class GeneratorTest : public ::testing::Test
{
protected:
    int Run(const QStringList& arguments)
    {
        QProcess generator;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        generator.setProcessEnvironment(environment);
        generator.start(QStringLiteral(ZV_SUPPORT_GENERATOR), arguments);
        if (!generator.waitForFinished(120000))
            return -1;
        return generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
    }

    QTemporaryDir m_folder;
};

TEST_F(GeneratorTest, DrawsTheSamePicturesAgainAndDropsStaleOnes)
{
    ASSERT_TRUE(m_folder.isValid());
    const QString stale = m_folder.filePath(QStringLiteral("Retired.bmp"));
    const QString other = m_folder.filePath(QStringLiteral("notes.txt"));
    for (const QString& path : {stale, other}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    ASSERT_EQ(Run({m_folder.path()}), 0);

    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(other)) << "only pictures are the generator's business";
    for (const SupportPicture& picture : SupportPictures()) {
        QFile fresh(m_folder.filePath(picture.name));
        QFile built(SupportPath(picture.name));
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly)) << picture.name.toStdString();
        ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << picture.name.toStdString();
        EXPECT_TRUE(fresh.readAll() == built.readAll())
            << picture.name.toStdString() << " differs between two runs";
    }
}

TEST_F(GeneratorTest, RefusesToRunWithoutExactlyOneFolder)
{
    EXPECT_NE(Run({}), 0);
    EXPECT_NE(Run({m_folder.path(), m_folder.path()}), 0);
}

} // namespace
} // namespace zv
