// A picture of a window written as a PNG file (through a temporary file, so
// a half-written picture never stands at the path).
#pragma once

#include <string>

class QWidget;

// False with problem set when the picture cannot be made or written.
bool SaveScreenshot(QWidget& window, const std::string& path, std::string& problem);
