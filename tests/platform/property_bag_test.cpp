#include "platform/property_bag.h"
#include "platform/units.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(PropertyBag, StoresOnlyValuesThatDifferFromTheirDefaultsInWriteOrder)
{
    PropertyBag bag;
    bag.write("PromotionPiece", QStringLiteral("Q"), QStringLiteral("Q"));
    bag.write("ColorView", QStringLiteral("B"), QStringLiteral("W"));
    bag.write("Ply", qint16(0), 0);            // 16-bit value against an int default
    bag.write("LightSquareColor", 0x00FFFFFFu, 0x80000005u);
    bag.write("Forsyth", QString(), QStringLiteral(""));

    EXPECT_EQ(bag.keys(), (QStringList{"ColorView", "LightSquareColor"}));
    EXPECT_EQ(bag.read("ColorView", QStringLiteral("W")).toString(), "B");
    EXPECT_EQ(bag.read("Ply", 7).toInt(), 7);
    EXPECT_EQ(bag.read("LightSquareColor", 0u).toUInt(), 0x00FFFFFFu);
}

TEST(PropertyBag, RewritingKeepsThePlaceAndWritingTheDefaultRemoves)
{
    PropertyBag bag;
    bag.write("A", 1, 0);
    bag.write("B", 2, 0);
    bag.write("A", 3, 0);
    EXPECT_EQ(bag.keys(), (QStringList{"A", "B"}));
    EXPECT_EQ(bag.read("A", 0).toInt(), 3);

    bag.write("A", 0, 0);
    EXPECT_FALSE(bag.contains("A"));
    EXPECT_EQ(bag.keys(), (QStringList{"B"}));
}

TEST(Units, TwipsRoundToTheNearestPixel)
{
    static_assert(twipsToPixels(4500) == 300 && twipsToPixels(5160) == 344);
    static_assert(twipsToPixels(480) == 32 && twipsToPixels(60) == 4);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(-8), -1);
    EXPECT_EQ(pixelsToTwips(32), 480);
}

TEST(Units, ColourValuesAreBlueGreenRed)
{
    EXPECT_EQ(rgbValue(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_TRUE(isSystemColor(0x8000000Fu));
    EXPECT_FALSE(isSystemColor(0x00FFFFFFu));
    EXPECT_EQ(vbBool(true), -1);
    EXPECT_EQ(vbBool(false), 0);
}
