#include "shell/window_placement.h"

#include <algorithm>

namespace talvex {

WindowPlacement PlaceHintsAndSheet(const WindowRect& area, int hintsWidth, int hintsHeight,
                                   int sheetWidth, int sheetHeight)
{
    WindowPlacement place;
    place.sheet.width = std::min(sheetWidth, area.width);
    place.sheet.height = std::min(sheetHeight, area.height);
    place.hints = {area.x, area.y, std::min(hintsWidth, area.width),
                   std::min(hintsHeight, area.height)};

    const int roomBeside = area.width - place.sheet.width - WINDOW_GAP;
    const int roomBelow = area.height - place.sheet.height - WINDOW_GAP;
    if (roomBeside >= std::min(place.hints.width, MIN_HINTS_WIDTH)) {
        place.hints.width = std::min(place.hints.width, roomBeside);
        place.sheet.x = area.x + place.hints.width + WINDOW_GAP;
        place.sheet.y = area.y;
    } else if (roomBelow >= std::min(place.hints.height, MIN_HINTS_HEIGHT)) {
        place.hints.height = std::min(place.hints.height, roomBelow);
        place.sheet.x = area.x;
        place.sheet.y = area.y + place.hints.height + WINDOW_GAP;
    } else {
        place.sheet.x = area.x + area.width - place.sheet.width;
        place.sheet.y = area.y + area.height - place.sheet.height;
    }
    return place;
}

} // namespace talvex
