#pragma once
// An up-down control: a pair of small arrow buttons that step an integer within a range, shown in an
// associated edit box. The step may depend on the value and the direction (the zoom steps in 5s below
// 100 and 25s above), so a stepping rule can replace the fixed increment.

#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <QWidget>
#include <functional>

namespace molvane {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    void setIncrement(int increment) { increment_ = increment; }
    int increment() const { return increment_; }
    // Replaces value + increment: the rule gets the value and the direction and returns the next value.
    void setStepRule(std::function<int(int, bool)> rule) { rule_ = std::move(rule); }

    int value() const { return value_; }
    // Clamps to the range and shows the value in the associated edit; emits valueChanged when it changed.
    void setValue(int value);
    // The edit box that shows the value (the up-down sits at its right).
    void associate(QLineEdit* edit);
    QLineEdit* associate() const { return edit_; }

    // One click on the up or the down arrow, as the user makes it.
    void step(bool up);

    // Text typed into the edit box is not rewritten while the user types: an integer within the range
    // becomes the value at once (true); anything else waits for settleTyped().
    bool takeTyped();
    // Editing has finished: a number out of range is clamped, and text that is no number gives way
    // to the value; the box shows the value again.
    void settleTyped();

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void valueChanged(int value);
    // After a click on an arrow (also when the value stayed at its limit).
    void clicked(bool up);

private:
    void showValue();

    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> edit_;
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
    int increment_ = 1;
    std::function<int(int, bool)> rule_;
};

} // namespace molvane
