#pragma once

#include <QIcon>

namespace tavrix {

// The magnifying glass of the search buttons, drawn so it looks the same on
// every desktop whatever icon theme it has.
QIcon searchIcon();

} // namespace tavrix
