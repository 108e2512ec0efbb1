#pragma once

#include <QFont>

namespace tarvik {

// The fonts forms are drawn in. Forms place their controls in twips for a small 8-point dialog
// face; the desktop's default face is usually larger and wider, and would clip captions and push
// words out of their labels. The form face is one condensed sans-serif face, loaded from its file
// at first use, so that what fits on one machine fits on every machine whatever other fonts it
// has; it is sized so that a line of text is no wider than the dialog face made it (the logical
// sizes do not change with the device pixel ratio). Without that file the nearest sans-serif
// face the system offers stands in, and the missing file is reported once on the error stream.

// The file the form face is loaded from (installed by the project's dependency script).
inline constexpr const char* kFormFaceFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";

// The font of a control that keeps the default face and size.
QFont formFont();

// The font of a control declaring a size of `points`. Every control is drawn in the form face,
// whatever face it names: any other would be resolved through whatever the machine has
// installed. The size keeps its ratio to the default size; each size is fitted once per screen
// resolution.
QFont controlFont(float points);

} // namespace tarvik
