// DialogTemplates.h: the nine template pictures every dialog is composed from.
#pragma once

class ksImage;
class ksResources;

// Not owned; any of them may be missing, and a missing template draws nothing.
struct DialogTemplates {
    // Background frame, tiled; corner size = width / 3.
    const ksImage* dialogBox = nullptr;
    // Caption-button face, stretched; corner size = width / 3.
    const ksImage* button = nullptr;
    const ksImage* buttonOver = nullptr;
    // Entry-field frame, stretched; corner size = width / 3.
    const ksImage* entry = nullptr;
    // Tab and tab-panel frame; corner size = width / 2.
    const ksImage* tab = nullptr;
    // Three box pictures side by side: empty, ticked, fixed.
    const ksImage* checkbox = nullptr;
    // Slider track, stretched; end size = width / 2.
    const ksImage* slider = nullptr;
    // Slider knob pictures side by side.
    const ksImage* knob = nullptr;
    // Outline around the default button, 3 pixels larger on every side; corner size = width / 3.
    const ksImage* defaultOutline = nullptr;

    // Looks every template up by its resource name.
    static DialogTemplates load(ksResources& resources);
};
