#pragma once

#include <QImage>
#include <QWidget>

namespace tessaro::app {

// The plot area of the form. It has no behaviour of its own: its paint
// event copies the presented block of the view's offscreen image and
// nothing else, and pointer events pass through it to the form view.
//
// The widget paints every pixel of itself, so Qt never repaints the form
// behind it; presenting a picture therefore never causes a paint of the
// form view, which would arm the deferred refresh again.
class PlotWidget : public QWidget {
 public:
  // The block of the offscreen image that is shown, from its top-left.
  static constexpr int kBlockWidth = 1260;
  static constexpr int kBlockHeight = 1020;

  // image is owned by the form view and outlives this widget.
  PlotWidget(const QImage* image, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* image_;
};

}  // namespace tessaro::app
