#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace tavrix {

// "There are pending requests issued." typing itself out one character per
// tick while wards have requests nobody has processed; the icon opens the list.
class PendingBanner : public QWidget {
    Q_OBJECT
public:
    static constexpr char Text[] = "There are pending requests issued.";

    explicit PendingBanner(QWidget* parent = nullptr);

    void tick();                // one step of the animation
    QString shownText() const;  // what the text field shows now
    QToolButton* icon() const { return icon_; }

signals:
    void openRequested(); // the icon was double-clicked

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* icon_;
    QLabel* text_;
    int counter_ = 0;
};

} // namespace tavrix
