// The program's icon, drawn in code so that the window, the desktop menu and
// every size come from one picture: a beam antenna on a mast, sending over a
// map cut into counties (the Windows icon's picture).
#pragma once

#include <QIcon>
#include <QImage>

namespace quorvel::ui {

// The sizes the window's icon carries.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// One square image, transparent around the picture.
QImage DrawAppIcon(int size);

// Every size in kIconSizes.
QIcon AppIcon();

}  // namespace quorvel::ui
