#include "config/preconditions.h"

#include <cstdio>
#include <cstdlib>

namespace talvex {

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "talvex: broken precondition: %s\n", what);
    std::abort();
}

void RequireEntry(int entry, int count)
{
    if (entry >= 0 && entry < count)
        return;
    std::fprintf(stderr, "talvex: broken precondition: entry number %d outside 0 to %d\n", entry,
                 count - 1);
    std::abort();
}

} // namespace talvex
