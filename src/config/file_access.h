#pragma once
// The system's side of loading a configuration and of a program's standard
// streams: file_access_posix.cpp and file_access_windows.cpp, of which each
// build compiles its system's. Names go to the system as they are: on
// Windows every program declares UTF-8 its code page.
#include <cstddef>
#include <string>

#include "config/failure.h"

namespace talvex {

constexpr const char* DEVICE_REASON = "it is a device, not a configuration file";

// Opens a file for reading its bytes unchanged. A device is refused with
// DEVICE_REASON without being opened (opening some has effects of its own);
// a FIFO nobody writes to reads as empty instead of waiting. Returns the
// descriptor, or -1 with the reason ("cannot open it: ...").
int OpenForLoading(const std::string& fileName, Failure& failure);

// The system's read and close on such a descriptor.
std::ptrdiff_t ReadFromFile(int fd, void* buffer, std::size_t count);
void CloseFile(int fd);

// What a program that writes files does first: a file size limit fails a
// write with a reason instead of ending the program, and the standard
// streams carry bytes unchanged (no CR before LF, no end at Ctrl-Z).
void PrepareStandardFiles();

} // namespace talvex
