#pragma once

#include <string>

namespace tarvik {
class PictureBox;
}

namespace tarvik::script {

// A picture box's display list as text, one item per line (the format is part of the runner's
// help and stays as it is):
//   scale L,T-R,B                       the scale of the items below; written before the first
//                                       item and again whenever it changes
//   line X1,Y1-X2,Y2 color=C width=W
//   box X1,Y1-X2,Y2 color=C width=W [fill=F]
//   circle X,Y r=R color=C width=W [fill=F]
//   pset X,Y color=C width=W
// Coordinates in scale units, colours as decimal long values. Cls empties the list, so the
// text holds what was drawn since the last Cls; an empty list is the empty text.
std::string drawingText(const PictureBox& box);

} // namespace tarvik::script
