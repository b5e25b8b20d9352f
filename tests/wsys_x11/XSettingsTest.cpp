#include <gtest/gtest.h>

#include "XSettingsWriter.h"
#include "wsys/backends/x11/XSettings.h"

using namespace tavrik;
using namespace tavrik::testing;

TEST(XSettings, IntegersAreFoundBehindOtherKindsInEitherByteOrder)
{
    for (bool msb : {false, true}) {
        SCOPED_TRACE(msb ? "MSB first" : "LSB first");
        std::vector<uint8_t> block = TXSettingsWriter(msb)
                                         .String("Net/IconThemeName", "Adwaita")
                                         .Color("Gtk/Colour")
                                         .Integer("Xft/DPI", 96 * 1024)
                                         .Integer("Net/DoubleClickTime", 250)
                                         .Block();
        EXPECT_EQ(FindXSettingsInteger(block, "Net/DoubleClickTime"), 250);
        EXPECT_EQ(FindXSettingsInteger(block, "Xft/DPI"), 96 * 1024);
        EXPECT_EQ(FindXSettingsInteger(block, "Net/DoubleClickDistance"), std::nullopt);
        EXPECT_EQ(FindXSettingsInteger(block, "Net/IconThemeName"), std::nullopt) << "a string is no integer";
    }
}

TEST(XSettings, DamagedBlocksGiveNothing)
{
    std::vector<uint8_t> block = TXSettingsWriter().String("Net/ThemeName", "x").Integer("Net/DoubleClickTime", 250).Block();
    for (size_t cut = 0; cut < block.size(); ++cut) {
        SCOPED_TRACE(cut);
        std::vector<uint8_t> part(block.begin(), block.begin() + long(cut));
        EXPECT_EQ(FindXSettingsInteger(part, "Net/DoubleClickTime"), std::nullopt);
    }
    std::vector<uint8_t> badType = block;
    badType[12] = 9;
    EXPECT_EQ(FindXSettingsInteger(badType, "Net/DoubleClickTime"), std::nullopt);
    std::vector<uint8_t> hugeCount = block;
    hugeCount[8] = 0xFF;
    hugeCount[11] = 0x7F;
    EXPECT_EQ(FindXSettingsInteger(hugeCount, "Net/Missing"), std::nullopt);
}
