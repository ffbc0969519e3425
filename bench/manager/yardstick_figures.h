#pragma once
// The plain Qt work the manager's figures are set beside: showing an empty
// dialog of the sheet's size in a fresh process, and, in a shown window,
// changing one line of a 256-line list, switching to a tab holding such a
// list, and putting a report text into a text box.
#include <QFont>
#include <QStringList>
#include <optional>

namespace talvex::bench {

// Start-up yardstick: QApplication and an empty 820 x 600 dialog, timed to
// its first paint. Prints one line like RunStartupFigure.
int RunBareStartup(int argc, char** argv, std::optional<double> launchedAt);

// Refresh yardsticks over `lines` (the Rules page's lines, shown in
// `listFont` as the page shows them) and `report` (the Verify page's text);
// needs a QApplication. Prints one line per yardstick.
void RunRefreshYardsticks(const QStringList& lines, const QFont& listFont, const QString& report,
                          int repeats);

} // namespace talvex::bench
