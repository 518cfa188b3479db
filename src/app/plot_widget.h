#pragma once

#include <QImage>
#include <QWidget>

namespace tessaro::app {

// The plot area of the form. It has no behaviour of its own: its paint
// event copies the view's offscreen picture, drawn at this widget's size
// and device pixel ratio, and nothing else; pointer events pass through it
// to the form view.
//
// The widget paints every pixel of itself, so Qt never repaints the form
// behind it; presenting a picture therefore never causes a paint of the
// form view, which would arm the deferred refresh again.
class PlotWidget : public QWidget {
 public:
  // image is owned by the form view and outlives this widget.
  PlotWidget(const QImage* image, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* image_;
};

}  // namespace tessaro::app
