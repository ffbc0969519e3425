#pragma once
// Where the hints window and the sheet open: side by side on the screen's
// available area, so that neither covers the other.
namespace talvex {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

struct WindowPlacement {
    WindowRect hints;
    WindowRect sheet;
    bool operator==(const WindowPlacement&) const = default;
};

constexpr int WINDOW_GAP = 8;
constexpr int MIN_HINTS_WIDTH = 160;
constexpr int MIN_HINTS_HEIGHT = 120;

// The hints window at the area's top-left corner, the sheet to its right.
// Sizes and results are whole windows, frames included. The sheet never grows
// past the area. Where both do not fit in a row, the hints window narrows down
// to MIN_HINTS_WIDTH; below that it goes above the sheet, lowered down to
// MIN_HINTS_HEIGHT; on an area too small even for that, the sheet takes the
// bottom-right corner and covers as little of the hints as it can.
WindowPlacement PlaceHintsAndSheet(const WindowRect& area, int hintsWidth, int hintsHeight,
                                   int sheetWidth, int sheetHeight);

} // namespace talvex
