#pragma once

#include <QString>

// The application's icon for the desktop's icon theme, from one drawing:
// <dir>/<n>x<n>/apps/<name>.png at every hicolor size from 16 to 512, and
// <dir>/scalable/apps/<name>.svg. False when a file could not be written.
bool writeAppIcon(const QString& hicolorDir, const QString& name);
