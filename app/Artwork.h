#pragma once
// The program's artwork, drawn rather than loaded, so the windows need no
// resource files: the program icon and the logo of the main window.
#include <QIcon>
#include <QPixmap>

namespace tk::app {

QIcon ProgramIcon();
// White lettering on black, the height of the main window's top strip.
QPixmap Logo(int width, int height);

}  // namespace tk::app
