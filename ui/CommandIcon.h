#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace tavrix::Ui {

// A command's icon: a coloured tile with a short mark, the same size and look
// for every command, so the panels read at a glance.
QIcon commandIcon(const QString& mark, const QColor& colour);

} // namespace tavrix::Ui
