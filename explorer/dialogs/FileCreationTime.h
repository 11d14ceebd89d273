// When a file was created, as the locale writes a date and time ("%c").
// Where the file system does not keep creation times, the time of the last
// change of the file's contents stands in.
#pragma once

#include <string>

// Empty when the file's status cannot be read.
std::string FileCreationTimeText(const std::string& path);
