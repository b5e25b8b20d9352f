#include "core/Exception.h"
#include "skin/SkinIni.h"
#include "skin/SkinValues.h"

#include <gtest/gtest.h>

using namespace tavrik;

namespace {

TbsSkinIni OneKey(const std::string& key, const std::string& value)
{
    return TbsSkinIni({"[s]", key + "=" + value});
}

} // namespace

TEST(SkinValues, NumberListsSkipEverythingButDigitsAndCommas)
{
    EXPECT_EQ(StrToSkinRect("10 , 20 , 30 , 40"), Rect(10, 20, 30, 40));
    EXPECT_EQ(StrToSkinRect("-3,4,5,6"), Rect(3, 4, 5, 6));
    EXPECT_EQ(StrToSkinRect("x1y,2px,+3,4 "), Rect(1, 2, 3, 4));
    EXPECT_EQ(StrToSkinRect("007,0,0,2147483647"), Rect(7, 0, 0, 2147483647));
    EXPECT_EQ(StrToSkinPoint(" 5 ,\t6"), Point(5, 6));
}

TEST(SkinValues, SurplusNumbersAreIgnored)
{
    EXPECT_EQ(StrToSkinRect("1,2,3,4,5,6"), Rect(1, 2, 3, 4));
    EXPECT_EQ(StrToSkinRect("1,2,3,4,"), Rect(1, 2, 3, 4));
    EXPECT_EQ(StrToSkinPoint("1,2,3"), Point(1, 2));
    EXPECT_EQ(StrToSkinPoint("1,2,,junk"), Point(1, 2));
}

TEST(SkinValues, MalformedNumberListsAreConversionErrors)
{
    for (const char* text : {"", "1,2,3", "1,,3,4", "1,2,3,", ",1,2,3", "a,b,c,d", "1,2,3,2147483648",
                             "1,2,3,99999999999999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(StrToSkinRect(text), EConvertError);
    }
    for (const char* text : {"", "1", "1,", ",2", "-,-"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(StrToSkinPoint(text), EConvertError);
    }
}

TEST(SkinValues, RectReaderDefaultsAndNamesTheKeyOnError)
{
    TbsSkinIni ini({"[button]", "skinrect=1,2", "empty="});
    EXPECT_EQ(ReadSkinRect(ini, "button", "missing"), TRect{});
    EXPECT_EQ(ReadSkinPoint(ini, "nosection", "p"), TPoint{});
    try {
        ReadSkinRect(ini, "button", "skinrect");
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_NE(e.Message().find("skinrect"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("[button]"), std::string::npos) << e.Message();
    }
    SCOPED_TRACE("a key that is present but empty has no numbers");
    EXPECT_THROW(ReadSkinPoint(ini, "button", "empty"), EConvertError);
}

TEST(SkinValues, BoolIsTrueOnlyForOne)
{
    for (auto [text, expected] : {std::pair{"1", true}, {"0", false}, {"2", false}, {"true", false},
                                  {"$1", true}, {"-1", false}, {"", false}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ReadSkinBool(OneKey("morphing", text), "s", "morphing"), expected);
    }
    EXPECT_FALSE(ReadSkinBool(TbsSkinIni(), "s", "morphing"));
}

TEST(SkinValues, FontStylesAreFoundAnywhereCaseSensitively)
{
    const uint8_t bold = uint8_t(TbsFontStyle::Bold), italic = uint8_t(TbsFontStyle::Italic);
    const uint8_t underline = uint8_t(TbsFontStyle::Underline), strike = uint8_t(TbsFontStyle::StrikeOut);
    EXPECT_EQ(StrToFontStyles("fsbold,fsunderline"), bold | underline);
    EXPECT_EQ(StrToFontStyles("fsBold"), 0);
    EXPECT_EQ(StrToFontStyles("[xfsitalicx]"), italic);
    EXPECT_EQ(StrToFontStyles("fsstrikeoutfsboldfsitalicfsunderline"), bold | italic | underline | strike);
    EXPECT_EQ(FontStylesToStr(strike | bold | italic), "fsbold,fsitalic,fsstrikeout");
    EXPECT_EQ(FontStylesToStr(0), "");
    EXPECT_EQ(ReadFontStyles(TbsSkinIni(), "s", "fontstyle"), 0);
}

TEST(SkinValues, AlignmentWords)
{
    EXPECT_EQ(ReadAlignment(TbsSkinIni(), "s", "alignment"), TbsAlignment::taCenter);
    EXPECT_EQ(StrToAlignment("taleftjustify"), TbsAlignment::taLeftJustify);
    EXPECT_EQ(StrToAlignment("tacenter"), TbsAlignment::taCenter);
    EXPECT_EQ(StrToAlignment("tarightjustify"), TbsAlignment::taRightJustify);
    EXPECT_EQ(StrToAlignment("taCenter"), TbsAlignment::taRightJustify);
    EXPECT_EQ(StrToAlignment("middle"), TbsAlignment::taRightJustify);
    EXPECT_EQ(uint8_t(TbsAlignment::taCenter), 2);
}

TEST(SkinValues, EnumerationWordsOrdinalsAndFallbacks)
{
    const char* morphs[] = {"mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
                            "mkleftslide", "mkrightslide", "mkpush"};
    for (uint8_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(morphs[i]);
        EXPECT_EQ(uint8_t(StrToMorphKind(morphs[i])), i);
        EXPECT_EQ(MorphKindWord(SkinMorphKind(i)), morphs[i]);
    }
    const char* effects[] = {"iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
    for (uint8_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(effects[i]);
        EXPECT_EQ(uint8_t(StrToInactiveEffect(effects[i])), i);
        EXPECT_EQ(InactiveEffectWord(SkinInactiveEffect(i)), effects[i]);
    }
    const char* commands[] = {"cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup",
                              "cmminimizetotray"};
    for (uint8_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(commands[i]);
        EXPECT_EQ(uint8_t(StrToSkinCommand(commands[i])), i);
        EXPECT_EQ(SkinCommandWord(SkinCommand(i)), commands[i]);
    }
    EXPECT_EQ(StrToMorphKind("mkPush"), SkinMorphKind::mkDefault);
    EXPECT_EQ(StrToInactiveEffect("blur"), SkinInactiveEffect::ieGrayScale);
    EXPECT_EQ(StrToSkinCommand("cmClose"), SkinCommand::cmMinimizeToTray);
    EXPECT_EQ(ReadMorphKind(TbsSkinIni(), "s", "morphkind"), SkinMorphKind::mkDefault);
    EXPECT_EQ(ReadInactiveEffect(TbsSkinIni(), "s", "inactiveeffect"), SkinInactiveEffect::ieBrightness);
    EXPECT_EQ(ReadSkinCommand(TbsSkinIni(), "s", "command"), SkinCommand::cmDefault);
    EXPECT_EQ(ReadInactiveEffect(OneKey("inactiveeffect", ""), "s", "inactiveeffect"), SkinInactiveEffect::ieGrayScale);
}

TEST(SkinValues, ListsReadCountThenNumberedKeys)
{
    TbsSkinIni ini({"[PICTURES]", "activepicturescount=3", "0=a.bmp", "2=c.bmp", "3=ignored.bmp"});
    std::vector<std::string> list{"kept"};
    ReadSkinList(ini, "PICTURES", "activepictures", list);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "a.bmp", "", "c.bmp"}));

    std::vector<std::string> none;
    ReadSkinList(TbsSkinIni({"[s]", "count=-4", "0=x"}), "s", "", none);
    ReadSkinList(TbsSkinIni({"[s]", "count=many", "0=x"}), "s", "", none);
    EXPECT_TRUE(none.empty());

    SCOPED_TRACE("a lying count is capped");
    std::vector<std::string> capped;
    ReadSkinList(TbsSkinIni({"[s]", "count=2147483647"}), "s", "", capped);
    EXPECT_EQ(capped.size(), size_t(kMaxSkinListCount));
}

TEST(SkinValues, WritersReadBack)
{
    TbsSkinIni ini;
    WriteSkinRect(ini, "s", "r", Rect(1, 22, 333, 4444));
    WriteSkinPoint(ini, "s", "p", Point(0, 9));
    WriteSkinBool(ini, "s", "b", true);
    WriteFontStyles(ini, "s", "f", uint8_t(TbsFontStyle::Italic) | uint8_t(TbsFontStyle::Underline));
    WriteAlignment(ini, "s", "a", TbsAlignment::taLeftJustify);
    WriteMorphKind(ini, "s", "m", SkinMorphKind::mkPush);
    WriteInactiveEffect(ini, "s", "e", SkinInactiveEffect::ieInvert);
    WriteSkinCommand(ini, "s", "c", SkinCommand::cmRollUp);
    WriteSkinList(ini, "l", "items", {"x:button", "y"});
    EXPECT_EQ(ini.ReadString("s", "r", ""), "1,22,333,4444");
    EXPECT_EQ(ini.ReadString("s", "b", ""), "1");
    EXPECT_EQ(ini.ReadString("s", "f", ""), "fsitalic,fsunderline");
    EXPECT_EQ(ReadSkinRect(ini, "s", "r"), Rect(1, 22, 333, 4444));
    EXPECT_EQ(ReadSkinPoint(ini, "s", "p"), Point(0, 9));
    EXPECT_TRUE(ReadSkinBool(ini, "s", "b"));
    EXPECT_EQ(ReadFontStyles(ini, "s", "f"), uint8_t(TbsFontStyle::Italic) | uint8_t(TbsFontStyle::Underline));
    EXPECT_EQ(ReadAlignment(ini, "s", "a"), TbsAlignment::taLeftJustify);
    EXPECT_EQ(ReadMorphKind(ini, "s", "m"), SkinMorphKind::mkPush);
    EXPECT_EQ(ReadInactiveEffect(ini, "s", "e"), SkinInactiveEffect::ieInvert);
    EXPECT_EQ(ReadSkinCommand(ini, "s", "c"), SkinCommand::cmRollUp);
    std::vector<std::string> list;
    ReadSkinList(ini, "l", "items", list);
    EXPECT_EQ(list, (std::vector<std::string>{"x:button", "y"}));
}
