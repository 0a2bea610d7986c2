// The resource script: words, comments, entries, references and the "parsed.txt" account.
#include "engine/resources/ResourceScript.h"

#include "engine/resources/ResourceManager.h"
#include "support/MapFileSource.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> texts(const std::vector<ResourceToken>& tokens) {
    std::vector<std::string> result;
    for (const ResourceToken& token : tokens) {
        result.push_back(token.text);
    }
    return result;
}

std::vector<TokenKind> kinds(const std::vector<ResourceToken>& tokens) {
    std::vector<TokenKind> result;
    for (const ResourceToken& token : tokens) {
        result.push_back(token.kind);
    }
    return result;
}

class ResourceScriptTest : public ::testing::Test {
protected:
    std::span<const ResourceEntry> parse(const std::string& script) {
        manager.parse(script);
        return manager.entries();
    }

    LogCapture log;
    MapFileSource files;
    ResourceManager manager{ResourceServices{files}};
};

TEST(ResourceScriptComments, BlankToTheEndOfTheLineEvenInsideQuotes) {
    std::string text = "IMAGE a \"art//x.jpg\" 1\r\nTEXT b // note\nc";
    ResourceScript::blankComments(text);
    std::string expected = "IMAGE a \"art";
    expected.append(10, ' ').append("\r\nTEXT b ").append(7, ' ').append("\nc");
    EXPECT_EQ(text, expected);
}

TEST_F(ResourceScriptTest, EntriesParametersAndCalls) {
    const auto entries = parse("IMAGE title(\"title.jpg\") { setAlpha(\"title_a.gif\"); setPixels(1,2;3) }\n"
                               "TEXT gameSettings \"settings.txt\"");
    ASSERT_EQ(entries.size(), 2u);
    const ResourceEntry& title = entries[0];
    EXPECT_EQ(title.type->keyword(), "IMAGE");
    EXPECT_EQ(title.name, "title");
    EXPECT_THAT(texts(title.parameters), ElementsAre("\"title.jpg\""));
    ASSERT_EQ(title.calls.size(), 2u);
    EXPECT_EQ(title.calls[0].command->keyword(), "setAlpha");
    EXPECT_THAT(texts(title.calls[0].arguments), ElementsAre("\"title_a.gif\""));
    EXPECT_EQ(title.calls[1].command->keyword(), "setPixels");
    EXPECT_THAT(texts(title.calls[1].arguments), ElementsAre("1", "2", "3"));
    EXPECT_EQ(entries[1].name, "gameSettings");
    EXPECT_FALSE(title.loaded);
}

TEST_F(ResourceScriptTest, WordsOutsideEntriesAreIgnored) {
    const auto entries = parse("hello 12 setPixels 4 \"x\" TEXT t \"t.txt\"");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_THAT(texts(entries[0].parameters), ElementsAre("\"t.txt\""));
}

TEST_F(ResourceScriptTest, AKeywordAfterATypeKeywordIsTheName) {
    const auto entries = parse("TEXT TEXT \"a\" SOUND setPixels \"b\"");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "TEXT");
    EXPECT_EQ(entries[1].name, "setPixels");
    EXPECT_TRUE(entries[1].calls.empty());
}

TEST_F(ResourceScriptTest, TokenKindsComeFromTheFirstCharacter) {
    const auto entries = parse("CUSTOM c 12 -5 #x _y abc Z9 \"f\" \"");
    EXPECT_THAT(kinds(entries[0].parameters),
                ElementsAre(TokenKind::Number, TokenKind::Number, TokenKind::Number, TokenKind::Number,
                            TokenKind::String, TokenKind::String, TokenKind::File, TokenKind::File));
}

TEST_F(ResourceScriptTest, StringsNamingAnyEntryBecomeResourcesEvenIfDeclaredLater) {
    const auto entries = parse("FONT f sheet \"glyphs.txt\" Sheet\n"
                               "IMAGE other 1 1 setPixels(sheet missing 3)\n"
                               "IMAGE sheet \"sheet.gif\"");
    EXPECT_THAT(kinds(entries[0].parameters),
                ElementsAre(TokenKind::Resource, TokenKind::File, TokenKind::String));
    EXPECT_THAT(kinds(entries[1].calls[0].arguments),
                ElementsAre(TokenKind::Resource, TokenKind::String, TokenKind::Number));
}

TEST_F(ResourceScriptTest, CutShortDeclarationsEndTheScript) {
    EXPECT_THAT(parse("TEXT a \"a.txt\" IMAGE"), ::testing::SizeIs(1));
    EXPECT_THAT(parse("IMAGE"), IsEmpty());
    EXPECT_THAT(parse("TEXT t \"").front().parameters, ::testing::SizeIs(1));
    EXPECT_THAT(parse(""), IsEmpty());
    EXPECT_THAT(parse("// only a comment"), IsEmpty());
}

TEST_F(ResourceScriptTest, TheScriptEndsAtItsFirstZeroByte) {
    const auto entries = parse(std::string("TEXT a \"a.txt\"\0TEXT b \"b.txt\"", 30));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "a");
}

TEST_F(ResourceScriptTest, DumpLabelsAndTabs) {
    parse("IMAGE title \"title.jpg\" 12 word other setAlpha(\"mask.gif\" other 3)\nTEXT other \"o.txt\"");
    EXPECT_EQ(manager.dump(), "(IMAGE) \ttitle\n"
                              "------------------------------------------------\n"
                              "(File   )\t \"title.jpg\"\n"
                              "(Number )\t 12\n"
                              "(String )\t word\n"
                              "(Resource)\t other\n"
                              "(SCRIPT )\t setAlpha\n"
                              "\t(File   )\t \"mask.gif\"\n"
                              "\t(Resource)\t other\n"
                              "\t(Number )\t 3\n"
                              "\n\n"
                              "(TEXT) \tother\n"
                              "------------------------------------------------\n"
                              "(File   )\t \"o.txt\"\n"
                              "\n\n");
    EXPECT_EQ(tokenKindLabel(static_cast<TokenKind>(9)), "UNKNOWN ");
}

TEST(ResourceTokenFileName, QuotesStrippedAndBackslashesTurned) {
    LogCapture log;
    EXPECT_EQ(ResourceToken::classify("\"art\\title.jpg\"").fileName(), "art/title.jpg");
    EXPECT_EQ(ResourceToken::classify("\"").fileName(), "");
    EXPECT_EQ(ResourceToken::classify("\"\"").fileName(), "");
    EXPECT_EQ(ResourceToken::classify("\"" + std::string(127, 'n') + "\"").fileName(), std::string(127, 'n'));
    EXPECT_FALSE(ResourceToken::classify("\"" + std::string(300, 'n') + "\"").fileName().has_value());
    EXPECT_EQ(log.count("is longer than 127 characters"), 1);
}

TEST_F(ResourceScriptTest, OverlongFileNamesLeaveTheEntryWithoutAnObject) {
    const std::string name(300, 'n');
    files.add(name, "text");
    parse("TEXT long \"" + name + "\" TEXT short \"");
    EXPECT_EQ(manager.get("TEXT", "long"), nullptr);
    EXPECT_EQ(manager.get("TEXT", "short"), nullptr);
    EXPECT_EQ(files.reads.count(name), 0u);
    EXPECT_EQ(log.count("is longer than 127 characters"), 1);
    EXPECT_EQ(log.count("File  not found."), 1);
}

} // namespace
