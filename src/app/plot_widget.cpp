#include "app/plot_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace tessaro::app {

PlotWidget::PlotWidget(const QImage* image, QWidget* parent) : QWidget(parent), image_(image) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void PlotWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QRect shown;
  if (image_ != nullptr && !image_->isNull()) {
    // The picture has the widget's size in device pixels; until a resize
    // is redrawn it may still have the old size, and shows at its own.
    const double ratio = std::max(1.0, static_cast<double>(image_->width()) / std::max(1, width()));
    const double scaleRatio = std::abs(ratio - devicePixelRatioF()) < 0.01 ? ratio : 1.0;
    shown = QRect(0, 0, static_cast<int>(image_->width() / scaleRatio),
                  static_cast<int>(image_->height() / scaleRatio));
    painter.drawImage(QRectF(shown), *image_, QRectF(image_->rect()));
  }
  // Beyond the picture (no picture yet, or a plot grown since it was drawn)
  // the area shows white, as the picture's own background.
  QRegion rest = QRegion(event->rect()).subtracted(QRegion(shown));
  for (const QRect& r : rest) painter.fillRect(r, Qt::white);
}

}  // namespace tessaro::app
