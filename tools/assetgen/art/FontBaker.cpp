// FontBaker.cpp: rasterises a game font into a glyph sheet and its glyph table.
#include "FontBaker.h"

#include "Palette.h"
#include "Sketch.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSheetWidth = 512;
constexpr int kFirstCode = 33;
constexpr int kLastCode = 126;

struct GlyphPlan {
    int code;
    double inkLeft; // ink extent relative to the pen, outline and shadow included
    double inkRight;
    double advance; // the natural advance plus room for the outline, which neighbours share
};

} // namespace

BakedFont bakeFont(const FontRecipe& recipe) {
    const TextStyle& style = recipe.style;
    Sketch probe(8, 8);
    cairo_t* pcr = probe.cr();
    measureText(pcr, style, ""); // selects the face and size
    const double grow = style.outlineWidth;
    const double shadowRight = std::max(0.0, style.shadowX);
    const double shadowDown = std::max(0.0, style.shadowY);

    // The line box hugs the ink of the printable characters rather than the font's own
    // ascent and descent, which are generous for display faces.
    std::vector<GlyphPlan> plans;
    double inkTop = 0.0;
    double inkBottom = 0.0;
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const std::string text(1, static_cast<char>(code));
        cairo_text_extents_t ext;
        cairo_text_extents(pcr, text.c_str(), &ext);
        plans.push_back(GlyphPlan{code, ext.x_bearing - grow, ext.x_bearing + ext.width + grow + shadowRight,
                                  ext.x_advance + 0.5 * grow + style.letterSpacing});
        inkTop = std::min(inkTop, ext.y_bearing);
        inkBottom = std::max(inkBottom, ext.y_bearing + ext.height);
    }
    const int height =
        static_cast<int>(std::ceil(inkBottom - inkTop + 2.0 * grow + shadowDown)) + recipe.blankRowsBelow;
    const double baseline = std::ceil(-inkTop + grow);
    // The pen sits this far into every cell, enough for the outline of ordinary letters. A
    // common margin keeps the pen-to-pen distance equal to the advance.
    const double margin = std::ceil(grow);
    // Script faces reach past their advance to join the next letter. A cell wide enough for all
    // of that would push letters apart, so up to `slack` pixels of such overhang (outline and
    // shadow, which the neighbouring glyph covers anyway) may be cut off at either side.
    const double slack = grow + shadowRight + 1.0;

    BakedFont baked;
    baked.lineHeight = height;
    std::vector<std::pair<GlyphCell, double>> placed; // each cell with the pen x inside it
    int x = 0;
    int y = 0;
    auto place = [&](int code, int width) {
        if (x + width > kSheetWidth) {
            x = 0;
            y += height;
        }
        GlyphCell cell{code, x, y, width, height};
        x += width;
        return cell;
    };
    if (recipe.spaceGlyph > 0) {
        placed.emplace_back(place(' ', recipe.spaceGlyph), 0.0);
    }
    for (const GlyphPlan& plan : plans) {
        const double pen = std::max(margin, std::ceil(-plan.inkLeft - slack));
        // The game adds `tracking` after every glyph; a cell that much wider gives back the
        // natural advance, and it grows further only when more ink than `slack` would be cut.
        const double natural = plan.advance - recipe.tracking;
        const int width = std::max(static_cast<int>(std::lround(natural)),
                                   static_cast<int>(std::ceil(pen + plan.inkRight - slack)));
        placed.emplace_back(place(plan.code, std::max(width, 1)), pen);
    }

    Sketch sheet(kSheetWidth, y + height);
    cairo_t* cr = sheet.cr();
    for (const auto& [cell, pen] : placed) {
        baked.cells.push_back(cell);
        if (cell.code == ' ') {
            continue;
        }
        cairo_save(cr);
        cairo_rectangle(cr, cell.left, cell.top, cell.width, cell.height);
        cairo_clip(cr);
        drawText(cr, style, std::string(1, static_cast<char>(cell.code)), cell.left + pen,
                 cell.top + baseline);
        cairo_restore(cr);
    }
    baked.sheet = sheet.toRaster();
    baked.table = formatGlyphTable(baked.cells);
    return baked;
}

std::vector<FontRecipe> gameFontRecipes() {
    using world::kInk;
    std::vector<FontRecipe> recipes;

    // Dialog titles, "Loading", banners and headings: a fat golden script.
    TextStyle head;
    head.face = Typeface::Display;
    head.size = 20.0;
    head.top = Colour::hex(0xFFF6B0);
    head.bottom = Colour::hex(0xFFB72A);
    head.outline = Colour::hex(0x3A0F4A);
    head.outlineWidth = 2.2;
    head.shadowX = 1.0;
    head.shadowY = 2.0;
    head.shadowAlpha = 0.55;
    head.letterSpacing = -0.6;
    // Two blank rows under the ink keep descenders clear of the rule dialogs draw under titles.
    recipes.push_back({"font_dlg_head", head, -2.0, 0, 2});

    // Dialog messages, captions, names, options labels: clear white rounded letters.
    TextStyle med;
    med.face = Typeface::Rounded;
    med.size = 13.5;
    med.top = Colour::hex(0xFFFFFF);
    med.bottom = Colour::hex(0xE8ECFF);
    med.outline = kInk;
    med.outlineWidth = 1.5;
    med.shadowX = 0.0;
    med.shadowY = 1.3;
    med.shadowAlpha = 0.45;
    med.letterSpacing = -0.25;
    // A blank glyph for the space lets the name field accept spaces, and keeps spaces readable
    // once the options panel narrows this font's space width.
    recipes.push_back({"font_dlg_med", med, -2.0, 3, 0});

    TextStyle small = med;
    small.size = 12.5;
    small.outlineWidth = 1.4;
    small.letterSpacing = 0.0;
    small.shadowY = 1.0;
    recipes.push_back({"font_dlg_small", small, -1.8, 0, 0});

    // Scores and floating points: round golden figures.
    TextStyle score;
    score.face = Typeface::Geometric;
    score.size = 20.0;
    score.top = Colour::hex(0xFFFBD0);
    score.bottom = Colour::hex(0xFFC23C);
    score.outline = Colour::hex(0x3A1050);
    score.outlineWidth = 2.2;
    score.shadowX = 1.0;
    score.shadowY = 1.8;
    score.shadowAlpha = 0.5;
    score.letterSpacing = -0.2;
    recipes.push_back({"font_score", score, -1.8, 0, 0});

    // The general-purpose playful face: carrot orange script.
    TextStyle carrot;
    carrot.face = Typeface::Display;
    carrot.size = 17.0;
    carrot.top = Colour::hex(0xFFD9A0);
    carrot.bottom = Colour::hex(0xFF8420);
    carrot.outline = Colour::hex(0x3A1430);
    carrot.outlineWidth = 1.8;
    carrot.shadowY = 1.3;
    carrot.shadowAlpha = 0.45;
    carrot.letterSpacing = -0.4;
    recipes.push_back({"font_carrot", carrot, 0.0, 0, 0});

    // The developer overlay: small, plain and legible over anything.
    TextStyle generic;
    generic.face = Typeface::Plain;
    generic.size = 11.0;
    generic.outline = Colour::hex(0x000000);
    generic.outlineWidth = 1.4;
    recipes.push_back({"font_generic", generic, -2.0, 0, 0});
    return recipes;
}
