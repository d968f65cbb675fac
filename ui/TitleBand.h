#pragma once

#include <QLabel>

namespace tavrix::Ui {

// The coloured band across the top of a screen with the screen's title.
class TitleBand : public QLabel {
    Q_OBJECT
public:
    explicit TitleBand(const QString& title, QWidget* parent = nullptr,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
};

} // namespace tavrix::Ui
