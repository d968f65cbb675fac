#pragma once

#include <QWidget>

namespace tavrix {

// The main window's work area: the scheme's background with the hospital's
// name set faintly in the middle, under the option panels and notices.
class WorkArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setWatermark(const QString& hospital, const QString& department);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString hospital_;
    QString department_;
};

} // namespace tavrix
