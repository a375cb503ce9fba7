#pragma once

#include <QImage>

// The window's two pictures, drawn by the program itself.

// The banner: two cog wheels beside a stack of puzzle sheets, 150 x 60.
QImage DrawBannerPicture();

// The help button's face: a round blue button with a yellow question mark, 46 x 43.
QImage DrawHelpButtonPicture();
