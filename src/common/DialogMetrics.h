#pragma once

namespace tarvik {

// Layout numbers the dialogs share, in twips.

// What a window's title bar and border add to the height of its client area: a dialog that lays
// out its own controls sets its height to the bottom of the last one plus this.
inline constexpr float kTitleBarHeight = 420;

// The margin a dialog keeps from the edges of its client area.
inline constexpr float kDialogMargin = 120;

// A command dialog's status box: across the window less three margins, and this tall.
inline constexpr float kStatusBoxHeight = 615;

// A standard command button (RUN, Set, Cancel).
inline constexpr float kCommandButtonWidth = 1095;
inline constexpr float kCommandButtonHeight = 375;

// Heights of a one-line caption label, a text box and a drop-down list.
inline constexpr float kLabelHeight = 255;
inline constexpr float kTextBoxHeight = 285;
inline constexpr float kDropDownHeight = 315;

// The top row of a command dialog: the captions, and under them the board list and the fields
// beside it (the axis field first, as wide as one digit needs).
inline constexpr float kFieldCaptionTop = 120;
inline constexpr float kFieldTop = 375;
inline constexpr float kBoardListWidth = 1215;
inline constexpr float kFieldBesideListLeft = 1440;
inline constexpr float kAxisFieldWidth = 495;

} // namespace tarvik
