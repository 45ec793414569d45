#pragma once

#include <QIcon>
#include <QString>

namespace kestrune::platform {

// The program's icon in every size the build generates into the application
// folder's icons/ (kestrune-16.png ... kestrune-256.png). An empty icon when
// the files are missing.
QIcon programIcon();
// The path of one size of it, e.g. iconPath(64).
QString iconPath(int size);

} // namespace kestrune::platform
