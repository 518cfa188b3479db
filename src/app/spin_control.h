#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <vector>

class QLineEdit;
class QToolButton;

namespace tessaro::app {

// An up-down control attached to a line edit (its buddy), showing only its
// two arrow buttons. A step reads the buddy's integer as the current
// position (the stored position when the text is no integer in range),
// moves it by the increment, stores it and writes it into the buddy; the
// write is user input, so buddyEdited() follows it. The arrow keys step
// while the control has the focus; holding a button repeats, with the
// increment taken from the acceleration table.
class SpinControl : public QWidget {
  Q_OBJECT

 public:
  // From `seconds` of holding on, each repeat steps by `increment`.
  struct Acceleration {
    int seconds = 0;
    int increment = 1;
  };

  explicit SpinControl(QWidget* parent = nullptr);

  void SetBuddy(QLineEdit* buddy) { buddy_ = buddy; }
  void SetRange(int low, int high);
  // Sets the stored position (clamped to the range); the buddy is not written.
  void SetPosition(int position);
  int Position() const { return position_; }
  int Low() const { return low_; }
  int High() const { return high_; }
  void SetAcceleration(std::vector<Acceleration> table) { acceleration_ = std::move(table); }

  // One step up (direction +1) or down (-1), as a click of an arrow does.
  void Step(int direction);

 Q_SIGNALS:
  void buddyEdited();
  void focusLeft();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int CurrentIncrement() const;

  QToolButton* up_;
  QToolButton* down_;
  QLineEdit* buddy_ = nullptr;
  int low_ = 0;
  int high_ = 100;
  int position_ = 0;
  std::vector<Acceleration> acceleration_;
  QElapsedTimer held_;
  bool holding_ = false;  // an arrow is held down with the mouse
};

}  // namespace tessaro::app
