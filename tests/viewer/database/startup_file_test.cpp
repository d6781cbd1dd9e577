#include "test_files.h"

#include "viewer/database/startup_file.h"
#include "viewer/database/viewer_state.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pavisto;

namespace {

struct ReadCase {
    const char *name;
    QByteArray file;
    StartupSettings expected;
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name;
}

StartupSettings settings(const char *piece, const char *mode, qint16 speed, const char *style, qint32 light,
                         qint32 dark)
{
    return {piece, mode, speed, style, light, dark};
}

const StartupSettings Defaults;

class StartupRead : public testing::TestWithParam<ReadCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(StartupRead, KeepsWhatWasReadBeforeAFailure)
{
    const ReadCase &c = GetParam();
    ASSERT_TRUE(test::writeBytes(QDir(dir.path()).filePath("pavisto.txt"), c.file));
    StartupSettings read;
    ReadStartupFile(read, {dir.path(), dir.filePath("user")});
    EXPECT_EQ(read.promotionPiece, c.expected.promotionPiece);
    EXPECT_EQ(read.autoPlayMode, c.expected.autoPlayMode);
    EXPECT_EQ(read.autoPlaySpeed, c.expected.autoPlaySpeed);
    EXPECT_EQ(read.moveListStyle, c.expected.moveListStyle);
    EXPECT_EQ(read.lightSquareColor, c.expected.lightSquareColor);
    EXPECT_EQ(read.darkSquareColor, c.expected.darkSquareColor);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, StartupRead,
    testing::Values(
        ReadCase{"AllSixLines", "R\r\nPS\r\n 30 \r\nA\r\n 255\r\n-2147483633\r\n",
                 settings("R", "PS", 30, "A", 255, -2147483633)},
        ReadCase{"EmptyFile", "", Defaults},
        ReadCase{"ThreeLines", "R\r\nPR\r\n 5 \r\n", settings("Q", "PR", 1, "L", 0xFFFFFF, 0xC0C0C0)},
        ReadCase{"FiveLines", "R\r\nPR\r\n 5 \r\nP\r\n 1\r\n", settings("Q", "PR", 1, "P", 0xFFFFFF, 0xC0C0C0)},
        ReadCase{"LightColourNotANumber", "R\r\nPR\r\n 5 \r\nP\r\nwhite\r\n 2\r\n",
                 settings("R", "PR", 1, "P", 0xFFFFFF, 0xC0C0C0)},
        ReadCase{"DarkColourNotANumber", "R\r\nPR\r\n 5 \r\nP\r\n 1\r\n 2x\r\n",
                 settings("R", "PR", 1, "P", 1, 0xC0C0C0)},
        ReadCase{"ColourOutsideTheSignedRange", "R\r\nPR\r\n 5 \r\nP\r\n 2147483648\r\n 2\r\n",
                 settings("R", "PR", 1, "P", 0xFFFFFF, 0xC0C0C0)},
        ReadCase{"SpeedOfLettersIsZero", "Q\r\nPNP\r\nfast\r\nL\r\n 1\r\n 2\r\n", settings("Q", "PNP", 0, "L", 1, 2)},
        ReadCase{"SpeedWithBlanks", "Q\r\nPNP\r\n   12   \r\nL\r\n 1\r\n 2\r\n", settings("Q", "PNP", 12, "L", 1, 2)},
        ReadCase{"SpeedHalfUp", "Q\r\nPNP\r\n7.5\r\nL\r\n 1\r\n 2\r\n", settings("Q", "PNP", 8, "L", 1, 2)},
        ReadCase{"SpeedHalfToEven", "Q\r\nPNP\r\n6.5s\r\nL\r\n 1\r\n 2\r\n", settings("Q", "PNP", 6, "L", 1, 2)},
        ReadCase{"SpeedOutside16Bits", "Q\r\nPNP\r\n40000\r\nL\r\n 1\r\n 2\r\n", settings("Q", "PNP", 1, "L", 1, 2)},
        ReadCase{"PromotionLetterExactlyAsRead", "Q \r\nX\r\n 1 \r\nZ\r\n 1\r\n 2\r\n", settings("Q ", "X", 1, "Z", 1, 2)},
        ReadCase{"EveryLineEndAndAByteOrderMark", "\xEF\xBB\xBFN\rPPP\n 90 \r\nP\r 7\n 8\r\nextra\r\n",
                 settings("N", "PPP", 90, "P", 7, 8)}));

TEST(StartupFile, MissingFileKeepsTheDefaults)
{
    QTemporaryDir dir;
    StartupSettings read;
    ReadStartupFile(read, {dir.path(), dir.filePath("user")});
    EXPECT_EQ(read.autoPlayMode, "PNP");
    EXPECT_EQ(read.lightSquareColor, 0xFFFFFF);
}

TEST(StartupFile, WritesSixLinesInTheNumberForms)
{
    QTemporaryDir dir;
    const StartupFileLocation location{dir.path(), dir.filePath("user")};
    EXPECT_TRUE(WriteStartupFile(Defaults, location));
    EXPECT_EQ(test::readBytes(dir.filePath("pavisto.txt")), "Q\r\nPNP\r\n 1 \r\nL\r\n 16777215\r\n 12632256\r\n");

    const StartupSettings system = settings("N", "PR", 90, "A", -2147483633, -2147483643);
    EXPECT_TRUE(WriteStartupFile(system, location));
    EXPECT_EQ(test::readBytes(dir.filePath("pavisto.txt")), "N\r\nPR\r\n 90 \r\nA\r\n-2147483633\r\n-2147483643\r\n");
    StartupSettings read;
    ReadStartupFile(read, location);
    EXPECT_EQ(read.lightSquareColor, -2147483633);
    EXPECT_EQ(read.darkSquareColor, -2147483643);
    EXPECT_EQ(read.autoPlaySpeed, 90);
}

TEST(StartupFile, MarkCharacterStartingTheFirstLineIsReadBack)
{
    QTemporaryDir dir;
    const StartupFileLocation location{dir.path(), dir.path()};
    StartupSettings custom;
    custom.promotionPiece = QChar(0xFEFF) + QStringLiteral("R");
    ASSERT_TRUE(WriteStartupFile(custom, location));
    StartupSettings read;
    ReadStartupFile(read, location);
    EXPECT_EQ(read.promotionPiece, custom.promotionPiece);
}

TEST(StartupFile, UnwritableProgramFolderFallsBackToTheUserFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeBytes(dir.filePath("file"), "x"));
    const StartupFileLocation location{dir.filePath("file/program"), dir.filePath("config/pavisto")};
    const StartupSettings custom = settings("B", "PS", 3, "P", 1, 2);
    EXPECT_TRUE(WriteStartupFile(custom, location));
    EXPECT_TRUE(QFile::exists(dir.filePath("config/pavisto/pavisto.txt")));
    StartupSettings read;
    ReadStartupFile(read, location);
    EXPECT_EQ(read.promotionPiece, "B");
    EXPECT_EQ(read.autoPlaySpeed, 3);
}

TEST(StartupFile, WriteFailureIsSilentAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeBytes(dir.filePath("file"), "x"));
    EXPECT_FALSE(WriteStartupFile(Defaults, {dir.filePath("file/program"), dir.filePath("file/config")}));
    EXPECT_EQ(test::readBytes(dir.filePath("file")), "x");
}

TEST(StartupFile, SpeedOutsideItsRangeIsUsedAsTheNearestInside)
{
    EXPECT_EQ(autoPlaySpeedInRange(0), 1);
    EXPECT_EQ(autoPlaySpeedInRange(-7), 1);
    EXPECT_EQ(autoPlaySpeedInRange(1), 1);
    EXPECT_EQ(autoPlaySpeedInRange(45), 45);
    EXPECT_EQ(autoPlaySpeedInRange(90), 90);
    EXPECT_EQ(autoPlaySpeedInRange(32767), 90);
}

} // namespace
