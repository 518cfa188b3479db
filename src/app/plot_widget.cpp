#include "app/plot_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace tessaro::app {

PlotWidget::PlotWidget(const QImage* image, QWidget* parent) : QWidget(parent), image_(image) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void PlotWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QRect block(0, 0, kBlockWidth, kBlockHeight);
  if (image_ != nullptr && !image_->isNull()) {
    QRect shown = block.intersected(image_->rect()).intersected(event->rect());
    if (!shown.isEmpty()) painter.drawImage(shown.topLeft(), *image_, shown);
  } else {
    block = QRect();
  }
  // Beyond the presented block (a large window, or no picture yet) the
  // area shows the form's background.
  QRegion rest = QRegion(event->rect()).subtracted(QRegion(block));
  for (const QRect& r : rest) painter.fillRect(r, palette().window());
}

}  // namespace tessaro::app
