// SelectorPageTest.cpp: the selector's pages and the texts it shows.
#include "game/puzzle/SelectorPage.h"

#include <gtest/gtest.h>

using namespace selector_page;

TEST(SelectorPageTest, PagesStartAtMultiplesOfSixAndStayInsideTheCatalogue) {
    EXPECT_EQ(firstOf(0), 0);
    EXPECT_EQ(firstOf(5), 0);
    EXPECT_EQ(firstOf(6), 6);
    EXPECT_EQ(firstOf(101), 96);
    // A damaged profile never shows a page past the catalogue.
    EXPECT_EQ(firstOf(500), 96);
    EXPECT_EQ(firstOf(-3), 0);
}

TEST(SelectorPageTest, TheLastPageShowsPuzzles97To102AndDoesNotTurnOn) {
    EXPECT_EQ(pageTitle(firstOf(101)).view(), "Puzzles 97-102");
    EXPECT_FALSE(hasNext(96));
    EXPECT_TRUE(hasPrevious(96));
    EXPECT_TRUE(hasNext(90));
}

TEST(SelectorPageTest, TheFirstPageDoesNotTurnBack) {
    EXPECT_EQ(pageTitle(0).view(), "Puzzles 1-6");
    EXPECT_FALSE(hasPrevious(0));
    EXPECT_TRUE(hasPrevious(6));
    EXPECT_TRUE(hasNext(0));
}

TEST(SelectorPageTest, HistoryLine) {
    EXPECT_EQ(history(12, 3).view(), "Best Solution: 12 clicks");
    EXPECT_EQ(history(0, 1).view(), "You've attempted this puzzle 1 time.");
    EXPECT_EQ(history(0, 2).view(), "You've attempted this puzzle 2 times.");
    EXPECT_EQ(history(0, 0).view(), "You haven't played this puzzle yet.");
    EXPECT_EQ(puzzleNumber(0).view(), "Puzzle 1");
    EXPECT_EQ(prompt().view(), "Click on a puzzle to play it");
}

TEST(SelectorPageTest, SolutionsToTheNextUnlock) {
    EXPECT_EQ(toNextUnlock(0, 3), 3);
    EXPECT_EQ(toNextUnlock(4, 3), 2);
    EXPECT_EQ(toNextUnlock(5, 3), 1);
    EXPECT_EQ(toNextUnlock(6, 3), 3);
    // Unlocking switched off (a zero, negative or missing setting) is no divisor.
    EXPECT_EQ(toNextUnlock(4, 0), 0);
    EXPECT_EQ(toNextUnlock(4, -2), 0);
}

TEST(SelectorPageTest, BottomLine) {
    EXPECT_EQ(nextUnlock(6, 3, 3).view(), "Next Unlock in 3 puzzles");
    EXPECT_EQ(nextUnlock(6, 1, 3).view(), "Next Unlock in 1 puzzle");
    EXPECT_EQ(nextUnlock(101, 2, 3).view(), "Next Unlock in 2 puzzles");
    EXPECT_EQ(nextUnlock(102, 2, 3).view(), "All puzzles unlocked!");
    EXPECT_EQ(nextUnlock(102, 0, 0).view(), "All puzzles unlocked!");
    EXPECT_TRUE(nextUnlock(6, 0, 0).empty());
}
