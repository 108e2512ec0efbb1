#pragma once

namespace tarvik {

// What a window's title bar and border add to the height of its client area, in twips: a dialog
// that lays out its own controls sets its height to the bottom of the last one plus this.
inline constexpr float kTitleBarHeight = 420;

} // namespace tarvik
