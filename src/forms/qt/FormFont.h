#pragma once

#include <QFont>

#include <string>

namespace tarvik {

// The fonts forms are drawn in. Forms place their controls in twips for a small 8-point dialog
// face; the desktop's default face is usually larger and wider, and would clip captions and push
// words out of their labels. The form font is a sans-serif family of dialog metrics where one is
// installed, sized so that a line of text is no wider than the dialog face made it: then every
// caption a form was laid out for fits, whatever family the system offers and at any scale (the
// logical sizes do not change with the device pixel ratio).

// The font of a control that keeps the default face and size.
QFont formFont();

// The font of a control declaring `name` and `points`: the default face stands for the form font;
// another name is used where installed; the size keeps its ratio to the default size.
QFont controlFont(const std::string& name, float points);

} // namespace tarvik
