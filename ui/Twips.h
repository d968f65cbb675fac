#pragma once

#include <QtMath>

namespace tavrix::Ui {

// Layout sizes are given in twips: 15 twips to a pixel at 96 dpi. Qt scales
// these device-independent pixels for high-dpi screens itself.
inline int twips(int value) { return qRound(value / 15.0); }

} // namespace tavrix::Ui
