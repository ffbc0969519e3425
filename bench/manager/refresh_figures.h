#pragma once
#include <string>

namespace talvex::bench {

// Opens the sheet on the file as the manager does (splash off) and times, on
// every page, what the operator waits for after an edit: the page's refresh
// after an editor's OK, after Up or Dn, and after switching to the page.
// Each figure is the minimum (and median) of `repeats` runs, in
// milliseconds, with and without the repaint that follows. Prints one line
// per figure; the result is the exit status.
int RunRefreshFigures(int argc, char** argv, const std::string& fileName, int repeats);

} // namespace talvex::bench
