// ResourceScriptTest.cpp: the script writer refuses what the game would misread; the reader agrees.
#include "ResourceScript.h"

#include "ScriptReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;

TEST(ResourceScript, WritesEntriesTheReaderReadsBack) {
    ResourceScript script;
    script.comment("a comment with \"quotes\" and // slashes");
    script.music("music", "music.it");
    script.image("title", "title.jpg");
    script.image("balloon0", "balloon0.jpg", "balloon0_a.gif");
    script.blankImage("thumb", 106, 96);
    script.font("font_score", "font_score_sheet", "font_score.txt");
    script.image("font_score_sheet", "font_score_sheet.jpg", "font_score_sheet_a.gif");
    script.sound("cheer_1-5_left", "cheer_1-5_left.wav");
    ASSERT_THAT(script.errors(), IsEmpty());

    const std::vector<ScriptEntry> entries = readScript(script.str());
    ASSERT_THAT(entries, SizeIs(8));
    EXPECT_EQ(entries[0].keyword, "MUSIC");
    EXPECT_EQ(entries[0].parameters[0].fileName(), "music.it");
    EXPECT_EQ(entries[2].parameters[1].fileName(), "balloon0_a.gif");
    EXPECT_EQ(entries[3].parameters[0].kind, TokenKind::Number);
    EXPECT_EQ(entries[3].parameters[1].text, "96");
    // The font's table is a TEXT entry named after its file, and the sheet is a Resource even
    // though it is declared after the font.
    EXPECT_EQ(entries[4].keyword, "TEXT");
    EXPECT_EQ(entries[4].name, "font_score.txt");
    EXPECT_EQ(entries[5].keyword, "FONT");
    EXPECT_EQ(entries[5].parameters[0].kind, TokenKind::Resource);
    EXPECT_EQ(entries[5].parameters[1].kind, TokenKind::File);
    EXPECT_EQ(entries[5].parameters[1].fileName(), entries[4].name);
    EXPECT_EQ(entries[7].name, "cheer_1-5_left");
}

TEST(ResourceScript, RefusesFileNamesTheReaderWouldSplitOrCutBadEntryNamesAndDuplicates) {
    ResourceScript script;
    script.image("a", "my picture.jpg");
    script.image("b", "one,two.jpg");
    script.image("c", "http://x.jpg");
    script.image("d", "Title.jpg");
    script.image("e", std::string(128, 'x'));
    script.sound("f", "");
    EXPECT_THAT(script.errors(), SizeIs(6));
    EXPECT_THAT(readScript(script.str()), IsEmpty()) << "no bad file name is written";

    script.image("IMAGE", "x.jpg");
    script.image("9lives", "y.jpg");
    script.image("two words", "z.jpg");
    script.image("once", "once.jpg");
    script.image("once", "again.jpg");
    EXPECT_THAT(script.errors(), SizeIs(6 + 4));
    const std::vector<ScriptEntry> entries = readScript(script.str());
    ASSERT_THAT(entries, SizeIs(1));
    EXPECT_EQ(entries[0].parameters[0].fileName(), "once.jpg") << "the first of two entries named alike";
}

TEST(ScriptReader, BlanksCommentsEvenInsideQuotesAndGroupsCallArgumentsAfterACommand) {
    const auto entries = readScript("IMAGE a \"a.jpg\" // IMAGE b \"b.jpg\"\nIMAGE c \"c//d.jpg\"\n");
    ASSERT_THAT(entries, SizeIs(2));
    EXPECT_EQ(entries[1].parameters[0].text, "\"c");

    const auto called =
        readScript("IMAGE t (\"t.jpg\") { setAlpha \"t_a.gif\" 1 2 3 4 5 6; }\nSOUND s \"s.wav\"");
    ASSERT_THAT(called, SizeIs(2));
    ASSERT_THAT(called[0].calls, SizeIs(1));
    EXPECT_EQ(called[0].calls[0].command, "setAlpha");
    EXPECT_THAT(called[0].calls[0].arguments, SizeIs(7));
    EXPECT_THAT(called[0].parameters, SizeIs(1));
}

} // namespace
