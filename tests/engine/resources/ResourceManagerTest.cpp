// The resource manager: first-match lookups, loading once, loadStep, TEXT and CUSTOM data, and
// the facade with its dump file.
#include "engine/resources/FontRecipe.h"
#include "engine/resources/PackWriter.h"
#include "engine/resources/TextType.h"
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundHandle.h"
#include "engine/video/ksFont.h"
#include "support/MapFileSource.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

// Records what the manager asks of a type, and makes an object for every entry whose first
// parameter is not "fail".
class RecordingType final : public ResourceType {
public:
    RecordingType(std::string keyword, ResourceManager& manager, std::vector<std::string>& journal)
        : ResourceType(std::move(keyword), manager)
        , m_journal(journal) {}

    bool load(ResourceEntry& entry) override {
        m_journal.push_back("load " + entry.name);
        if (!entry.parameters.empty() && entry.parameters[0].text == "fail") {
            return false;
        }
        entry.object = std::make_unique<TextObject>(entry.name);
        return true;
    }

private:
    std::vector<std::string>& m_journal;
};

class RecordingCommand final : public ScriptCommand {
public:
    RecordingCommand(ResourceManager& manager, std::vector<std::string>& journal)
        : ScriptCommand("note", manager)
        , m_journal(journal) {}

    void apply(const ScriptCall& call, ResourceEntry& entry) override {
        std::string line = "note " + entry.name;
        for (const ResourceToken& argument : call.arguments) {
            line += " " + argument.text;
            // An argument naming an entry is looked up, as the image commands do.
            if (argument.kind == TokenKind::Resource) {
                manager().get("", argument.text);
            }
        }
        m_journal.push_back(line);
    }

private:
    std::vector<std::string>& m_journal;
};

class ResourceManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager.registerType(std::make_unique<RecordingType>("THING", manager, journal));
        manager.registerCommand(std::make_unique<RecordingCommand>(manager, journal));
    }
    std::string nameOf(ResourceObject* object) {
        const std::string* text = TextType::textOf(object);
        return text != nullptr ? *text : "(none)";
    }

    LogCapture log;
    MapFileSource files;
    ResourceManager manager{ResourceServices{files}};
    std::vector<std::string> journal;
};

TEST_F(ResourceManagerTest, LookupsTakeTheFirstMatchInScriptOrder) {
    files.add("a.txt", "first text");
    manager.parse("THING dup 1  TEXT dup \"a.txt\"  THING dup 2  TEXT dup \"b.txt\"");
    EXPECT_EQ(manager.find("", "dup"), &manager.entries()[0]);
    EXPECT_EQ(manager.find("TEXT", "dup"), &manager.entries()[1]);
    EXPECT_EQ(*TextType::textOf(manager.get("TEXT", "dup")), "first text");
    EXPECT_EQ(manager.get("THING", "Dup"), nullptr);
    EXPECT_EQ(manager.get("IMAGE", "dup"), nullptr);
    EXPECT_THAT(journal, ElementsAre());
    EXPECT_EQ(nameOf(manager.get("", "dup")), "dup");
    EXPECT_THAT(journal, ElementsAre("load dup"));

    // A first match without an object hides the later entries.
    manager.parse("THING x fail  THING x ok");
    EXPECT_EQ(manager.get("THING", "x"), nullptr);
    EXPECT_EQ(manager.get("THING", "x"), nullptr);
    EXPECT_THAT(journal, ElementsAre("load dup", "load x"));
}

TEST_F(ResourceManagerTest, EntriesLoadOnceThenRunTheirCommandsInOrder) {
    manager.parse("THING a fail note(1) note(2)  THING b");
    manager.get("THING", "a");
    manager.get("THING", "a");
    manager.loadStep();
    manager.loadStep();
    EXPECT_THAT(journal, ElementsAre("load a", "note a 1", "note a 2", "load b"));
}

TEST_F(ResourceManagerTest, CommandsNamingTheirOwnEntryDoNotLoadItAgain) {
    manager.parse("THING a note(b)  THING b note(a)");
    manager.get("THING", "a");
    EXPECT_THAT(journal, ElementsAre("load a", "load b", "note b a", "note a b"));
}

TEST_F(ResourceManagerTest, LoadStepGivesRoundedDownPercentagesOfTheLoadedEntries) {
    manager.parse("THING a THING b THING c THING d");
    EXPECT_EQ(manager.loadStep(), 25);
    EXPECT_EQ(manager.loadStep(), 50);
    EXPECT_EQ(manager.loadStep(), 75);
    EXPECT_EQ(manager.loadStep(), 100);
    EXPECT_EQ(manager.loadStep(), 100);
    EXPECT_THAT(journal, ElementsAre("load a", "load b", "load c", "load d"));

    manager.parse("THING a THING b THING c");
    EXPECT_EQ(manager.loadStep(), 33);
    EXPECT_EQ(manager.loadStep(), 66);
    EXPECT_EQ(manager.loadStep(), 100);

    // Entries loaded by lookups count as loaded.
    manager.parse("THING a THING b THING c THING d");
    manager.get("THING", "d");
    EXPECT_EQ(manager.loadStep(), 50);
    manager.get("THING", "c");
    EXPECT_EQ(manager.loadStep(), 100);
    manager.parse("");
    EXPECT_EQ(manager.loadStep(), 0);
}

TEST_F(ResourceManagerTest, RegisteringAgainReplacesTheKeyword) {
    std::vector<std::string> second;
    manager.registerType(std::make_unique<RecordingType>("THING", manager, second));
    manager.parse("THING a");
    manager.loadStep();
    EXPECT_THAT(journal, ElementsAre());
    EXPECT_THAT(second, ElementsAre("load a"));
}

TEST_F(ResourceManagerTest, ReadingTheScriptThroughTheFileSource) {
    files.add("resource.txt", "THING a");
    EXPECT_TRUE(manager.load("resource.txt"));
    EXPECT_EQ(manager.entries().size(), 1u);
    EXPECT_FALSE(manager.load("missing.txt"));
    EXPECT_TRUE(manager.entries().empty());
}

TEST_F(ResourceManagerTest, GlyphTableComesFromAFileFirstThenFromATextEntry) {
    files.add("glyphs.txt", "65 0 0 9 9");
    files.add("other.txt", "66 0 0 9 9");
    manager.parse("TEXT glyphs.txt \"other.txt\"  TEXT table \"other.txt\"");
    EXPECT_EQ(loadGlyphTable("glyphs.txt", files, manager), "65 0 0 9 9");
    EXPECT_EQ(loadGlyphTable("table", files, manager), "66 0 0 9 9");
    EXPECT_EQ(loadGlyphTable("neither", files, manager), "");
}

class ksResourcesTest : public ::testing::Test {
protected:
    void writePack(std::vector<PackEntry> entries) {
        std::string error;
        ASSERT_TRUE(writeResourcePack(data / "resources.dat", std::move(entries), error)) << error;
    }

    // Loads the script; answers what loading printed.
    std::string load() {
        ::testing::internal::CaptureStdout();
        loaded = resources.load("resource.txt");
        return ::testing::internal::GetCapturedStdout();
    }

    TempDir data;
    TempDir state;
    LogCapture log;
    ksResources resources{nullptr, ResourceFile::Pack, data.path(), state.path()};
    bool loaded = false;
};

TEST_F(ksResourcesTest, LoadsTheScriptAndItsDataFromThePack) {
    writePack({{"resource.txt", bytesOf("TEXT gameSettings \"Data\\Settings.TXT\"\r\n"
                                        "CUSTOM zibbet_levels \"levels.bin\" // 4 bytes\r\n")},
               {"data/settings.txt", bytesOf("dialogFade=\n500\n")},
               {"levels.bin", {1, 2, 0, 4}}});
    EXPECT_EQ(load(), "Done parsing...\n");
    EXPECT_TRUE(loaded);
    EXPECT_EQ(resources.getText("gameSettings"), "dialogFade=\n500\n");
    EXPECT_THAT(resources.getCustom("zibbet_levels"), ElementsAre(1, 2, 0, 4));
    EXPECT_EQ(resources.loadStep(), 100);
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(ksResourcesTest, TheDumpIsWrittenToTheStateDirectory) {
    writeText(data / "resource.txt", "TEXT t \"t.txt\"");
    load();
    EXPECT_EQ(readTextFile(state / "parsed.txt"), "(TEXT) \tt\n"
                                                  "------------------------------------------------\n"
                                                  "(File   )\t \"t.txt\"\n"
                                                  "\n\n");
    EXPECT_FALSE(std::filesystem::exists(data / "parsed.txt"));
}

TEST_F(ksResourcesTest, AnUnreadableScriptGivesNoEntriesAndAnEmptyDump) {
    EXPECT_EQ(load(), "Done parsing...\n");
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(std::filesystem::exists(state / "parsed.txt"));
    EXPECT_EQ(readTextFile(state / "parsed.txt"), "");
    EXPECT_EQ(resources.getText("gameSettings"), "");
    EXPECT_TRUE(resources.getCustom("zibbet_levels").empty());
    EXPECT_EQ(resources.loadStep(), 0);
}

TEST_F(ksResourcesTest, MissingDataGivesNeutralValuesAndAnEmptyFileItsZeroLength) {
    writeText(data / "resource.txt",
              "TEXT t \"gone.txt\"  CUSTOM c \"gone.bin\"  IMAGE i \"gone.jpg\"  CUSTOM e \"empty.bin\"");
    writeText(data / "empty.bin", "");
    load();
    EXPECT_EQ(resources.getText("t"), "");
    EXPECT_TRUE(resources.getCustom("c").empty());
    EXPECT_TRUE(resources.getCustom("e").empty());
    EXPECT_EQ(log.count("empty.bin"), 0) << "an empty file is there, with zero length";
    // Missing fonts and sounds are harmless stand-ins: nothing to draw, nothing to play.
    ASSERT_NE(resources.getFont("i"), nullptr);
    EXPECT_EQ(resources.getFont("i")->getLineHeight(), 0);
    EXPECT_EQ(resources.getFont("i")->getTextWidth("abc"), 0);
    ASSERT_NE(resources.getSound("t"), nullptr);
    EXPECT_EQ(resources.getSound("t")->play(), -1);
    EXPECT_EQ(log.count("File gone.txt not found."), 1);
    EXPECT_EQ(log.count("File gone.bin not found."), 1);
    EXPECT_EQ(resources.getImage("nothing"), nullptr);
    EXPECT_EQ(log.count("ksResources::getImage() ... nothing has not been loaded"), 1);
}

} // namespace
