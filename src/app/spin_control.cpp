#include "app/spin_control.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace tessaro::app {
namespace {

// Auto-repeat of a held arrow: first repeat after this delay, then at this
// interval, in milliseconds.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 80;

}  // namespace

SpinControl::SpinControl(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  setFocusPolicy(Qt::StrongFocus);
  for (QToolButton* button : {up_, down_}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelayMs);
    button->setAutoRepeatInterval(kRepeatIntervalMs);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  // Each click and each auto-repeat of a held arrow is one step.
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  up_->installEventFilter(this);
  down_->installEventFilter(this);
}

void SpinControl::SetRange(int low, int high) {
  low_ = std::min(low, high);
  high_ = std::max(low, high);
  position_ = std::clamp(position_, low_, high_);
}

void SpinControl::SetPosition(int position) {
  position_ = std::clamp(position, low_, high_);
}

int SpinControl::CurrentIncrement() const {
  int increment = 1;
  if (!holding_) return increment;
  qint64 heldMs = held_.elapsed();
  for (const Acceleration& entry : acceleration_) {
    if (heldMs >= static_cast<qint64>(entry.seconds) * 1000) increment = entry.increment;
  }
  return std::max(1, increment);
}

void SpinControl::Step(int direction) {
  int current = position_;
  if (buddy_ != nullptr) {
    bool ok = false;
    int typed = buddy_->text().trimmed().toInt(&ok);
    if (ok && typed >= low_ && typed <= high_) current = typed;
  }
  long long next =
      static_cast<long long>(current) + static_cast<long long>(direction) * CurrentIncrement();
  position_ = static_cast<int>(std::clamp<long long>(next, low_, high_));
  if (buddy_ == nullptr) return;
  QString text = QString::number(position_);
  if (buddy_->text() == text) return;
  buddy_->setText(text);
  Q_EMIT buddyEdited();
}

bool SpinControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == up_ || watched == down_) {
    if (event->type() == QEvent::MouseButtonPress) {
      // A press on an arrow takes the focus to the control, so that
      // leaving it later is reported, and starts the hold time.
      setFocus(Qt::MouseFocusReason);
      holding_ = true;
      held_.start();
    } else if (event->type() == QEvent::MouseButtonRelease) {
      holding_ = false;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SpinControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    Step(+1);
  } else if (event->key() == Qt::Key_Down) {
    Step(-1);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void SpinControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  Q_EMIT focusLeft();
}

void SpinControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace tessaro::app
