// Lettering.cpp: outlined, shaded text drawn into pictures with cairo.
#include "Lettering.h"

#include "Sketch.h"

#include <string>

namespace {

void selectStyle(cairo_t* cr, const TextStyle& style) {
    cairo_set_font_face(cr, cairoFace(style.face));
    cairo_set_font_size(cr, style.size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double advanceOf(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// Adds the glyph outlines of the string to the current path, honouring letter spacing.
void textPath(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double baseline) {
    if (style.letterSpacing == 0.0) {
        cairo_move_to(cr, x, baseline);
        cairo_text_path(cr, std::string(text).c_str());
        return;
    }
    double pen = x;
    for (char c : text) {
        const std::string one(1, c);
        cairo_move_to(cr, pen, baseline);
        cairo_text_path(cr, one.c_str());
        pen += advanceOf(cr, one) + style.letterSpacing;
    }
}

} // namespace

TextMetrics measureText(cairo_t* cr, const TextStyle& style, std::string_view text) {
    selectStyle(cr, style);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    TextMetrics metrics{font.ascent, font.descent, 0.0};
    if (style.letterSpacing == 0.0) {
        metrics.width = advanceOf(cr, std::string(text));
    } else {
        for (char c : text) {
            metrics.width += advanceOf(cr, std::string(1, c)) + style.letterSpacing;
        }
        if (!text.empty()) {
            metrics.width -= style.letterSpacing;
        }
    }
    return metrics;
}

void drawText(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double baseline,
              Align align) {
    const TextMetrics metrics = measureText(cr, style, text);
    if (align == Align::Centre) {
        x -= metrics.width / 2.0;
    } else if (align == Align::Right) {
        x -= metrics.width;
    }
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (style.shadowAlpha > 0.0) {
        cairo_new_path(cr);
        textPath(cr, style, text, x + style.shadowX, baseline + style.shadowY);
        setColour(cr, style.shadow, style.shadowAlpha);
        if (style.outlineWidth > 0.0) {
            cairo_set_line_width(cr, 2.0 * style.outlineWidth);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    textPath(cr, style, text, x, baseline);
    if (style.outlineWidth > 0.0) {
        cairo_set_line_width(cr, 2.0 * style.outlineWidth);
        setColour(cr, style.outline);
        cairo_stroke_preserve(cr);
    }
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, baseline - metrics.ascent * 0.8, 0, baseline);
    addStop(fill, 0.0, style.top);
    addStop(fill, 1.0, style.bottom);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_restore(cr);
}

std::vector<std::string> wrapText(cairo_t* cr, const TextStyle& style, std::string_view text,
                                  double maxWidth) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view paragraph = text.substr(start, end - start);
        std::string line;
        std::size_t pos = 0;
        while (pos < paragraph.size()) {
            std::size_t next = paragraph.find(' ', pos);
            if (next == std::string_view::npos) {
                next = paragraph.size();
            }
            const std::string word(paragraph.substr(pos, next - pos));
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && measureText(cr, style, candidate).width > maxWidth) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            pos = next + 1;
        }
        lines.push_back(line);
        if (end == text.size()) {
            break;
        }
        start = end + 1;
    }
    return lines;
}
