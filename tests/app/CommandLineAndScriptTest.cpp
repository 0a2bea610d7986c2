// Command-line options and the input script language.
#include "app/CommandLine.h"
#include "app/InputScript.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, ReadsEveryOption) {
    std::string error;
    const auto options =
        CommandLine::parse({"--headless", "--home", "/tmp/h", "--frames", "120", "--seed", "42", "--shot",
                            "5:a.png", "--shot", "7:b:c.png", "--windowed", "--data", "d", "--autoplay"},
                           error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->headless);
    EXPECT_EQ(*options->home, "/tmp/h");
    EXPECT_EQ(*options->frames, 120);
    EXPECT_EQ(*options->seed, 42u);
    ASSERT_EQ(options->shots.size(), 2u);
    EXPECT_EQ(options->shots[1].frame, 7);
    EXPECT_EQ(options->shots[1].file, "b:c.png");
    EXPECT_TRUE(*options->windowed);
    EXPECT_TRUE(options->autoplay);
}

TEST(CommandLine, RefusesBadValuesWithAMessage) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--frames"},
                                                                  {"--frames", "-1"},
                                                                  {"--frames", "12x"},
                                                                  {"--seed", "banana"},
                                                                  {"--shot", "5"},
                                                                  {"--shot", "x:y.png"},
                                                                  {"--shot", "5:"},
                                                                  {"--bogus"},
                                                                  {"--home"}}) {
        std::string error;
        EXPECT_FALSE(CommandLine::parse(args, error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

TEST(InputScript, ParsesEveryEventInFrameOrder) {
    std::string error;
    const auto script = InputScript::parse("# a comment\n"
                                           "20 shot end.png\n"
                                           "10 move 100 200   # trailing comment\n"
                                           "11 down left\n"
                                           "11 up right\n"
                                           "12 key F4\n"
                                           "13 key Escape\n"
                                           "14 type Hi\\sthere\\r\n"
                                           "15 focus lost\n"
                                           "16 quit\n",
                                           error);
    ASSERT_TRUE(script) << error;
    const auto& steps = script->steps();
    ASSERT_EQ(steps.size(), 18u);
    EXPECT_EQ(steps[0].frame, 10);
    EXPECT_EQ(steps[0].event.kind, InputEvent::Kind::PointerMove);
    EXPECT_EQ(steps[0].event.y, 200);
    EXPECT_EQ(steps[2].event.kind, InputEvent::Kind::ButtonUp);
    EXPECT_EQ(steps[2].event.code, 1);
    EXPECT_EQ(steps[3].event.kind, InputEvent::Kind::KeyDown);
    EXPECT_EQ(steps[3].event.code, 115);
    EXPECT_EQ(steps[4].frame, 13) << "the key goes up on the next frame";
    EXPECT_EQ(steps[4].event.kind, InputEvent::Kind::KeyUp);
    EXPECT_EQ(steps[5].event.code, 27);
    std::string typed;
    for (std::size_t i = 6; i < 6 + 9; ++i) {
        typed += static_cast<char>(steps[i].event.code);
    }
    EXPECT_EQ(typed, "Hi there\r");
    EXPECT_EQ(steps.back().kind, ScriptStep::Kind::Shot);
    EXPECT_EQ(steps.back().shotFile, "end.png");
}

TEST(InputScript, NamesTheBadLine) {
    for (const char* text : {"x move 1 2", "5 jump", "5 down middle", "5 key Hyper", "5 move 1",
                             "5 focus maybe", "5 type \\q", "5 up left extra"}) {
        std::string error;
        EXPECT_FALSE(InputScript::parse(std::string("1 quit\n") + text + "\n", error)) << text;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

} // namespace
