#pragma once

#include <QIcon>
#include <QImage>

namespace app {

// The program's icon, drawn at any size: a red barn with a white door under a green field and a sun.
QImage programIconImage(int size);
// The icon at the sizes a desktop asks for.
QIcon programIcon();

} // namespace app
