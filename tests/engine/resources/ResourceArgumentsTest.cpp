// What IMAGE and FONT parameters and setPixels and setAlpha arguments ask for, and the clipping
// of the rectangles they name.
#include "engine/resources/FontRecipe.h"
#include "engine/resources/ImageRecipe.h"
#include "engine/resources/PixelClipping.h"
#include "engine/resources/PixelCommandArguments.h"
#include "support/TestSupport.h"

#include <limits>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// The tokens of a space-separated argument list, classified as the parser does.
std::vector<ResourceToken> tokens(const std::string& words) {
    std::vector<ResourceToken> result;
    std::istringstream in(words);
    std::string word;
    while (in >> word) {
        result.push_back(ResourceToken::classify(word));
    }
    return result;
}

// Marks the tokens with these texts as resolved references.
std::vector<ResourceToken> withResources(std::vector<ResourceToken> list, const std::string& name) {
    for (ResourceToken& token : list) {
        if (token.text == name) {
            token.kind = TokenKind::Resource;
        }
    }
    return list;
}

TEST(ImageParameters, EachFormOfTheTableAndRefusedFileNames) {
    using Kind = ImageRecipe::Kind;
    EXPECT_EQ(readImageParameters(tokens("\"a.jpg\"")), (ImageRecipe{Kind::File, "a.jpg", "", 0, 0}));
    EXPECT_EQ(readImageParameters(tokens("\"a.jpg\" 5")), (ImageRecipe{Kind::File, "a.jpg", "", 0, 0}));
    EXPECT_EQ(readImageParameters(tokens("\"a.jpg\" \"m.gif\"")),
              (ImageRecipe{Kind::FileWithMask, "a.jpg", "m.gif", 0, 0}));
    EXPECT_EQ(readImageParameters(tokens("32 16")), (ImageRecipe{Kind::Blank, "", "", 32, 16}));
    EXPECT_EQ(readImageParameters(tokens("32 0")).kind, Kind::Nothing);
    EXPECT_EQ(readImageParameters(tokens("-1 5")).kind, Kind::Nothing);
    EXPECT_EQ(readImageParameters(tokens("32")).kind, Kind::Nothing);
    EXPECT_EQ(readImageParameters(tokens("word \"a.jpg\"")).kind, Kind::Nothing);
    EXPECT_EQ(readImageParameters({}).kind, Kind::Nothing);
    LogCapture log;
    const std::string longName = "\"" + std::string(200, 'x') + "\"";
    EXPECT_EQ(readImageParameters(tokens(longName)).kind, Kind::Nothing) << "refused file name";
    EXPECT_EQ(readImageParameters(tokens("\"a.jpg\" " + longName)).kind, Kind::Nothing)
        << "refused mask name";
}

TEST(FontParameters, SheetEntryAndQuotedGlyphTable) {
    EXPECT_EQ(readFontParameters(tokens("sheet \"glyphs.txt\"")), (FontRecipe{"sheet", "glyphs.txt"}));
    EXPECT_EQ(readFontParameters(tokens("sheet \"dir\\glyphs.txt\" extra")),
              (FontRecipe{"sheet", "dir/glyphs.txt"}));
    EXPECT_FALSE(readFontParameters(tokens("sheet")).has_value());
}

TEST(SetPixelsOnAnExistingImage, ColourTable) {
    auto fill = [](const std::string& words) {
        return std::get<ColourFill>(readSetPixelsArguments(tokens(words), true));
    };
    const ColourFill three = fill("10 20 30");
    EXPECT_EQ(std::tie(three.red, three.green, three.blue), std::make_tuple(10, 20, 30));
    EXPECT_FALSE(three.alpha.has_value());
    EXPECT_FALSE(three.area.has_value());

    EXPECT_EQ(fill("10 20 30 128").alpha, 128);
    EXPECT_FALSE(fill("10 20 30 0").alpha.has_value());
    // 256 is not 0, so alpha is set, to its low 8 bits.
    EXPECT_EQ(fill("10 20 30 256").alpha, 0);

    const ColourFill seven = fill("1 2 3 4 5 6 7");
    EXPECT_EQ(seven.area, (PixelRect{4, 5, 6, 7}));
    EXPECT_FALSE(seven.alpha.has_value());

    const ColourFill eight = fill("1 2 3 9 4 5 6 7");
    EXPECT_EQ(eight.area, (PixelRect{4, 5, 6, 7}));
    EXPECT_EQ(eight.alpha, 9);

    for (const char* odd : {"1", "1 2", "1 2 3 4 5", "1 2 3 4 5 6", "1 2 3 4 5 6 7 8 9"}) {
        const ColourFill red = fill(odd);
        EXPECT_EQ(std::tie(red.red, red.green, red.blue), std::make_tuple(255, 0, 0)) << odd;
        EXPECT_FALSE(red.alpha.has_value()) << odd;
        EXPECT_FALSE(red.area.has_value()) << odd;
    }
}

TEST(SetPixelsOnAnExistingImage, ColoursAreCutTo8Bits) {
    const ColourFill fill = std::get<ColourFill>(readSetPixelsArguments(tokens("300 -1 99999999999"), true));
    EXPECT_EQ(fill.red, 300 & 0xFF);
    EXPECT_EQ(fill.green, 0xFF);
    EXPECT_EQ(fill.blue, 0xFF);
}

TEST(SetPixelsWithoutAnImage, MakesTheImageFirst) {
    auto made = [](const std::string& words) {
        return std::get<NewImageFill>(readSetPixelsArguments(tokens(words), false));
    };
    const NewImageFill two = made("8 4");
    EXPECT_EQ(std::tie(two.width, two.height), std::make_tuple(8, 4));
    EXPECT_EQ(std::tie(two.fill.red, two.fill.green, two.fill.blue), std::make_tuple(255, 0, 0));
    EXPECT_EQ(two.fill.alpha, 255);
    EXPECT_FALSE(two.fill.area.has_value());

    const NewImageFill five = made("1 2 3 8 4");
    EXPECT_EQ(std::tie(five.width, five.height, five.fill.red), std::make_tuple(8, 4, 1));
    EXPECT_EQ(five.fill.alpha, 255);

    const NewImageFill six = made("1 2 3 0 8 4");
    EXPECT_EQ(six.fill.alpha, 0);

    const NewImageFill seven = made("1 2 3 5 6 8 4");
    EXPECT_EQ(std::tie(seven.width, seven.height), std::make_tuple(8, 4));
    EXPECT_EQ(seven.fill.area, (PixelRect{5, 6, 8, 4}));
    EXPECT_EQ(seven.fill.alpha, 255);

    const NewImageFill eight = made("1 2 3 300 5 6 8 4");
    EXPECT_EQ(eight.fill.area, (PixelRect{5, 6, 8, 4}));
    EXPECT_EQ(eight.fill.alpha, 300 & 0xFF);

    for (const char* nothing :
         {"1", "1 2 3", "1 2 3 4", "1 2 3 4 5 6 7 8 9", "0 4", "8 -4", "1 2 3 4 5 0 7"}) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(readSetPixelsArguments(tokens(nothing), false)))
            << nothing;
    }
}

TEST(SetPixelsFromImages, SourceMaskAndPlacement) {
    const ImageCopy plain = std::get<ImageCopy>(readSetPixelsArguments(tokens("\"a.jpg\""), true));
    EXPECT_EQ(plain.source, (ImageReference{TokenKind::File, "a.jpg"}));
    EXPECT_FALSE(plain.mask.has_value());
    EXPECT_FALSE(plain.placement.has_value());

    const auto sevenWords = withResources(tokens("other 1 2 3 4 5 6"), "other");
    const ImageCopy seven = std::get<ImageCopy>(readSetPixelsArguments(sevenWords, false));
    EXPECT_EQ(seven.source, (ImageReference{TokenKind::Resource, "other"}));
    EXPECT_EQ(seven.placement, (BlockPlacement{1, 2, 3, 4, 5, 6}));

    const ImageCopy eight =
        std::get<ImageCopy>(readSetPixelsArguments(tokens("\"a\" \"m\" 1 2 3 4 5 6"), true));
    EXPECT_EQ(eight.mask, (ImageReference{TokenKind::File, "m"}));
    EXPECT_EQ(eight.placement, (BlockPlacement{1, 2, 3, 4, 5, 6}));

    // Two images and seven arguments leave only five numbers: the whole source is used.
    const ImageCopy short7 =
        std::get<ImageCopy>(readSetPixelsArguments(tokens("\"a\" \"m\" 1 2 3 4 5"), true));
    EXPECT_FALSE(short7.placement.has_value());
    // Six numbers but another count than 7 or 8: the whole source as well.
    EXPECT_FALSE(std::get<ImageCopy>(readSetPixelsArguments(tokens("\"a\" 1 2 3 4 5 6 7 8"), true))
                     .placement.has_value());

    EXPECT_TRUE(std::holds_alternative<std::monostate>(readSetPixelsArguments(tokens("word 1 2"), true)));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(readSetPixelsArguments({}, true)));
}

TEST(SetAlphaArguments, MaskAndPlacement) {
    const ImageCopy whole = readSetAlphaArguments(tokens("\"m.gif\"")).value();
    EXPECT_EQ(whole.mask, (ImageReference{TokenKind::File, "m.gif"}));
    EXPECT_FALSE(whole.source.has_value());
    EXPECT_FALSE(whole.placement.has_value());
    EXPECT_EQ(readSetAlphaArguments(tokens("\"m\" 1 2 3 4 5 6"))->placement,
              (BlockPlacement{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(readSetAlphaArguments(tokens("\"m\" 1 2 3 4 5 6 7"))->placement.has_value());
    EXPECT_FALSE(readSetAlphaArguments(tokens("12 1 2")).has_value());
    EXPECT_FALSE(readSetAlphaArguments(tokens("word")).has_value());
}

TEST(PixelClipping, RectanglesAreClippedToTheImage) {
    EXPECT_EQ(clipToImage({2, 3, 4, 5}, {100, 100}), (PixelRect{2, 3, 4, 5}));
    EXPECT_EQ(clipToImage({-5, 90, 20, 20}, {100, 100}), (PixelRect{0, 90, 15, 10}));
    EXPECT_TRUE(clipToImage({100, 0, 5, 5}, {100, 100}).isEmpty());
    EXPECT_TRUE(clipToImage({0, 0, -5, 5}, {100, 100}).isEmpty());
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(clipToImage({big, big, big, big}, {10, 10}), PixelRect{});
    EXPECT_EQ(clipToImage({-big, -big, big, big}, {10, 10}), PixelRect{});
    EXPECT_EQ(clipToImage({-10, -10, big, big}, {10, 10}), (PixelRect{0, 0, 10, 10}));
}

TEST(PixelClipping, BlocksStayInsideSourcesAndDestination) {
    const PixelExtent source{100, 100};
    const PixelExtent smallMask{3, 3};
    const PixelExtent destination{100, 100};
    // Reaching past the destination.
    EXPECT_EQ(clipBlock({600, 600, 0, 0, 50, 50}, std::array{source}, destination), BlockPlacement{});
    EXPECT_EQ(clipBlock({80, 0, 0, 0, 50, 50}, std::array{source}, destination),
              (BlockPlacement{80, 0, 0, 0, 20, 50}));
    // A mask of 3 x 3 with a 50 x 50 block.
    EXPECT_EQ(clipBlock({0, 0, 0, 0, 50, 50}, std::array{source, smallMask}, destination),
              (BlockPlacement{0, 0, 0, 0, 3, 3}));
    // Negative positions cut both ends, so the remaining pixels keep their places.
    EXPECT_EQ(clipBlock({-5, 10, 0, -2, 20, 20}, std::array{source}, destination),
              (BlockPlacement{0, 12, 5, 0, 15, 18}));
    EXPECT_EQ(clipBlock({0, 0, 90, 0, 50, 5}, std::array{source}, destination),
              (BlockPlacement{0, 0, 90, 0, 10, 5}));
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(clipBlock({-big, -big, big, big, big, big}, std::array{source}, destination), BlockPlacement{});
    EXPECT_EQ(clipBlock({0, 0, 0, 0, 10, 10}, {}, destination), BlockPlacement{});
}

} // namespace
