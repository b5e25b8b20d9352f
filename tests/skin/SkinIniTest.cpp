#include "skin/SkinIni.h"

#include <gtest/gtest.h>

using namespace tavrik;

namespace {

TbsSkinIni IniOf(std::string_view text)
{
    return TbsSkinIni(TbsSkinIni::SplitLines(text));
}

} // namespace

TEST(SkinIni, LineRules)
{
    TbsSkinIni ini = IniOf("orphan=before any section\n"
                           "  [ First ]  \n"
                           "; comment=not a key\n"
                           "\n"
                           "\tkey one  =  value with = inside  \n"
                           "no equals sign here\n"
                           "=empty key\n"
                           "[second]\n"
                           "A=1\n");
    EXPECT_EQ(ini.ReadString("First", "key one", "?"), "value with = inside");
    EXPECT_EQ(ini.ReadString("first", "KEY ONE", "?"), "value with = inside");
    EXPECT_EQ(ini.ReadString("First", "; comment", "?"), "?");
    EXPECT_EQ(ini.ReadString("First", "", "?"), "empty key");
    EXPECT_EQ(ini.KeyCount("First"), 2u);
    EXPECT_FALSE(ini.ValueExists("", "orphan"));
    EXPECT_EQ(ini.ReadString("SECOND", "a", "?"), "1");
}

TEST(SkinIni, SectionHeadersNeedBothBrackets)
{
    TbsSkinIni ini = IniOf("[a]\n[b\nx=1\n[]\ny=2\n[c] trailing\nz=3\n");
    SCOPED_TRACE("'[b' and '[c] trailing' are no headers, so their keys stay in the open section");
    EXPECT_EQ(ini.ReadString("a", "x", "?"), "1");
    EXPECT_EQ(ini.ReadString("", "y", "?"), "2");
    EXPECT_EQ(ini.ReadString("", "z", "?"), "3");
    EXPECT_FALSE(ini.SectionExists("b"));
}

TEST(SkinIni, RepeatedSectionsMergeAndFirstValueWins)
{
    TbsSkinIni ini = IniOf("[s]\nk=first\n[t]\nq=1\n[S]\nK=second\nother=2\n");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "first");
    EXPECT_EQ(ini.ReadString("s", "other", ""), "2");
    EXPECT_EQ(ini.KeyCount("s"), 2u);
}

TEST(SkinIni, EmptySectionDoesNotExist)
{
    TbsSkinIni ini = IniOf("[empty]\n; only a comment\n[full]\nk=\n");
    EXPECT_FALSE(ini.SectionExists("empty"));
    EXPECT_TRUE(ini.SectionExists("FULL"));
    EXPECT_EQ(ini.ReadString("full", "k", "default"), "");
}

TEST(SkinIni, SplitLinesAcceptsEveryLineEnd)
{
    EXPECT_EQ(TbsSkinIni::SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(TbsSkinIni::SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(TbsSkinIni::SplitLines("").empty());
}

TEST(SkinIni, IntegerRule)
{
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"-42", -42},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"$10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"0xG", std::nullopt},
        {"", std::nullopt},
        {"12 ", std::nullopt},
        {"1.5", std::nullopt},
        {"abc", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseSkinInteger(c.text), c.value);
    }
    TbsSkinIni ini = IniOf("[s]\nbad=twelve\nhex=0x1F\n");
    EXPECT_EQ(ini.ReadInteger("s", "bad", -5), -5);
    EXPECT_EQ(ini.ReadInteger("s", "missing", 9), 9);
    EXPECT_EQ(ini.ReadInteger("s", "hex", 0), 31);
}

TEST(SkinIni, WritingAndErasing)
{
    TbsSkinIni ini = IniOf("[a]\nx=1\n[b]\ny=2\n");
    ini.WriteString("A", "X", "changed");
    ini.WriteInteger("c", "n", -3);
    ini.EraseSection("B");
    EXPECT_EQ(ini.ReadString("a", "x", ""), "changed");
    EXPECT_FALSE(ini.SectionExists("b"));
    EXPECT_EQ(ini.ReadInteger("c", "n", 0), -3);
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[a]", "x=changed", "", "[c]", "n=-3", ""}));
}

TEST(SkinIni, LinesReadBackToTheSameText)
{
    TbsSkinIni ini = IniOf("junk\n[One]\n a = 1 \n=x\n[two words]\nk=v=w\n[One]\nb=2\n");
    std::vector<std::string> lines = ini.Lines();
    EXPECT_EQ(TbsSkinIni(lines).Lines(), lines);
}

TEST(SkinIni, SkinDefinitionNeedsFiveSectionsWithKeys)
{
    const std::string full = "[VERSION]\nv=1\n[PICTURES]\np=1\n[FORMINFO]\nf=1\n[SKINOBJECTS]\ncount=0\n"
                             "[SKINCONTROLS]\ncount=0\n";
    EXPECT_TRUE(IsSkinDefinition(IniOf(full)));
    for (std::string section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        SCOPED_TRACE(section);
        std::string renamed = full;
        renamed.replace(renamed.find(section), section.size(), "X" + section);
        EXPECT_FALSE(IsSkinDefinition(IniOf(renamed)));
        std::string emptied = full + "[" + section + "]\n";
        TbsSkinIni ini = IniOf(emptied);
        ini.EraseSection(section);
        ini.WriteString("other", "k", "v");
        EXPECT_FALSE(IsSkinDefinition(ini));
    }
    EXPECT_TRUE(IsSkinDefinition(IniOf("[version]\nv=1\n[pictures]\np=1\n[forminfo]\nf=1\n[skinobjects]\nc=0\n"
                                       "[skincontrols]\nc=0\n")));
    EXPECT_FALSE(IsSkinDefinition(IniOf("[VERSION]\n[PICTURES]\np=1\n[FORMINFO]\nf=1\n[SKINOBJECTS]\ncount=0\n"
                                        "[SKINCONTROLS]\ncount=0\n")));
}
