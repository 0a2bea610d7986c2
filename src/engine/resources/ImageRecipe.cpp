// ImageRecipe.cpp: what the parameters of an IMAGE entry ask to be made.
#include "ImageRecipe.h"

ImageRecipe readImageParameters(std::span<const ResourceToken> parameters) {
    ImageRecipe recipe;
    if (parameters.empty()) {
        return recipe;
    }
    const ResourceToken& first = parameters[0];
    if (first.kind == TokenKind::File) {
        std::optional<std::string> file = first.fileName();
        if (!file) {
            return recipe;
        }
        recipe.file = std::move(*file);
        recipe.kind = ImageRecipe::Kind::File;
        if (parameters.size() > 1 && parameters[1].kind == TokenKind::File) {
            std::optional<std::string> mask = parameters[1].fileName();
            if (!mask) {
                return ImageRecipe{};
            }
            recipe.maskFile = std::move(*mask);
            recipe.kind = ImageRecipe::Kind::FileWithMask;
        }
        return recipe;
    }
    if (parameters.size() > 1 && first.kind == TokenKind::Number && parameters[1].kind == TokenKind::Number) {
        const int32_t width = first.number();
        const int32_t height = parameters[1].number();
        if (width >= 1 && height >= 1) {
            recipe.kind = ImageRecipe::Kind::Blank;
            recipe.width = width;
            recipe.height = height;
        }
    }
    return recipe;
}
