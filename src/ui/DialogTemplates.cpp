// DialogTemplates.cpp: the nine template pictures every dialog is composed from.
#include "DialogTemplates.h"

#include "engine/resources/ksResources.h"

DialogTemplates DialogTemplates::load(ksResources& resources) {
    DialogTemplates t;
    t.dialogBox = resources.getImage("dialog_box_template");
    t.button = resources.getImage("button_template");
    t.buttonOver = resources.getImage("button_template_over");
    t.entry = resources.getImage("entry_template");
    t.tab = resources.getImage("tab_template");
    t.checkbox = resources.getImage("checkbox");
    t.slider = resources.getImage("slider_template");
    t.knob = resources.getImage("tab_slides");
    t.defaultOutline = resources.getImage("default_button_template");
    return t;
}
