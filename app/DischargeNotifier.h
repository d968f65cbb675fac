#pragma once

#include <QFrame>

class QLabel;

namespace tavrix {

// The announcement of discharge notices inside the main window: it says
// "You have a discharge notice!" and "Double Click on the wizard." each time it
// announces, and a double-click on it opens the notices.
class DischargeNotifier : public QFrame {
    Q_OBJECT
public:
    static constexpr char FirstSentence[] = "You have a discharge notice!";
    static constexpr char SecondSentence[] = "Double Click on the wizard.";

    explicit DischargeNotifier(QWidget* parent = nullptr);

    void announce(); // shows it with both sentences
    QString sentences() const;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QLabel* first_;
    QLabel* second_;
};

} // namespace tavrix
