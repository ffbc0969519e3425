#pragma once
// Why an operation did not succeed: a reason in a few words, and the line and
// column of the input it concerns where the input has lines. Operations that
// succeed or fail return true or false and fill a Failure the caller hands
// them; results that carry more hold an optional Failure, empty on success.
#include <string>
#include <utility>

namespace talvex {

struct Failure {
    std::string reason;
    int line = 0;    // counted from 1; 0 where the input has no lines
    int column = 0;  // counted from 1 in bytes; 0 where no place in the line is meant

    bool operator==(const Failure&) const = default;
};

// Fills `failure`, when the caller asked for one, and returns false.
inline bool Fail(Failure* failure, std::string reason, int line = 0)
{
    if (failure != nullptr)
        *failure = Failure{std::move(reason), line};
    return false;
}

} // namespace talvex
