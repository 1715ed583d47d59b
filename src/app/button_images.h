#pragma once
// The button pictures in two sets: true-colour images (drawn with a transparent colour of
// red = green = blue = 0x11) and the plain set. The large images (50 x 54) are the main
// window's: index 0/1 rounds, 2/3 players, 4/5 courses, 6/7 events, 8/9 tours (even: true
// colour, odd: plain). The small ones (30 x 40) are the editors': 0/1 new, 2/3 delete, 4/5 post.

#include <QIcon>

namespace cardwise::app {

QIcon mainImage(int index);
QIcon dialogImage(int index);

}  // namespace cardwise::app
