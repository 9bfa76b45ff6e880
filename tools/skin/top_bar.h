#pragma once

#include <QImage>

// The pictures of the main window's top bar, drawn for the places the main window gives them: a
// light bar with a blue base line, the program's mark over the mini icon switch, and a mark or
// caption under each command label.
namespace skin {

// The top bar behind everything (1920 × 39): the program's mark where the mini icon switch lies.
QImage TopStrip();
// The command group kept 564 pixels from the right edge (550 × 39): the clock's place, the
// underlined text commands and the captioned picture commands.
QImage TopCommands();
// The group of the version, the credit and the two badges (255 × 39).
QImage TopStatus();
// The filler stretched between the shop name and the status group.
QImage TopFiller();
// The mini icon (72 × 59) and the caller card grown from it (350 × 81).
QImage MiniIcon();
QImage CallerCard();

} // namespace skin
