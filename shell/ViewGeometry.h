#pragma once

// Where the view puts things around the board and its status strip, in pixels.
namespace view {

inline constexpr int kEdge = 2;               // the sunken edge around the view
inline constexpr int kFrameClientExtra = 62;  // frame client height beyond the board

}  // namespace view
