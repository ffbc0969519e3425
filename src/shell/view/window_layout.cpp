#include "shell/view/window_layout.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "shell/view/hints_window.h"
#include "shell/view/property_sheet.h"
#include "shell/window_placement.h"

namespace talvex {

namespace {

// A window's position is its frame's corner; its size is the inside.
void Apply(QWidget& window, const WindowRect& place, const QMargins& frame)
{
    window.resize(QSize(place.width, place.height).shrunkBy(frame));
    window.move(place.x, place.y);
}

} // namespace

void PlaceBesideSheet(HintsWindow& hints, CTalvexPropertySheet& sheet)
{
    const QScreen* screen = hints.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Lets the window manager's frame of the shown hints window come in.
    QCoreApplication::processEvents();
    const QRect outer = hints.frameGeometry();
    const QRect inner = hints.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QSize sheetSize = sheet.size().expandedTo(sheet.minimumSizeHint()).grownBy(frame);
    const QSize hintsSize = hints.size().grownBy(frame);
    const WindowPlacement place =
        PlaceHintsAndSheet({area.x(), area.y(), area.width(), area.height()}, hintsSize.width(),
                           hintsSize.height(), sheetSize.width(), sheetSize.height());
    const bool shown = hints.isVisible();
    hints.hide();
    Apply(hints, place.hints, frame);
    Apply(sheet, place.sheet, frame);
    sheet.winId();
    hints.windowHandle()->setTransientParent(sheet.windowHandle());
    if (shown)
        sheet.runAfterShown([&hints] { hints.show(); });
}

} // namespace talvex
