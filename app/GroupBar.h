#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;

namespace tavrix {

// The left bar of command groups: five group buttons, each owning a panel, and
// the exit button at the bottom. Choosing group k stacks groups 1 to k at the
// top and the rest just above the exit button; k's panel fills the space between.
class GroupBar : public QWidget {
    Q_OBJECT
public:
    explicit GroupBar(QWidget* parent = nullptr);

    void addGroup(QAbstractButton* button, QWidget* panel); // in order, five of them
    void setExitButton(QAbstractButton* button);

    void choose(int group); // 1 to 5
    int buttonTop(int group) const; // in twips, where group's button stands now
    QWidget* panel(int group) const { return groups_.value(group - 1).panel; }

    static constexpr int ButtonHeight = 300; // twips
    static constexpr int LowerStackTop = 6300;
    static constexpr int ExitTop = 7500;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void place();

    struct Group {
        QAbstractButton* button;
        QWidget* panel;
    };
    QList<Group> groups_;
    QAbstractButton* exit_ = nullptr;
    int current_ = 1;
};

} // namespace tavrix
