// Reading a whole input file given by the user: regular files only, refused without
// blocking when the name is a FIFO, a device or a folder.
#pragma once

#include <cstddef>
#include <string>

namespace torvelix {

enum class ReadOutcome { Read, NotRegular, TooLarge, Unreadable };

// Reads the file at path into bytes, at most maxBytes (one byte more reads as TooLarge).
// The file is opened without waiting (O_NONBLOCK: a FIFO with no writer does not hold
// the program), then checked to be a regular file before a byte is read.
ReadOutcome readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

} // namespace torvelix
