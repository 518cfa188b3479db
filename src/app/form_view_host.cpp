#include <QApplication>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <cmath>

#include "app/dialog_seam.h"
#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/plot_widget.h"
#include "app/spin_control.h"
#include "doc/document.h"
#include "editor/form_controller.h"

// The form view's side of FormWindow: what the core asks of its window.

namespace tessaro::app {

std::string FormView::FieldText(int id) const {
  QLineEdit* edit = Field(id);
  return edit == nullptr ? std::string() : edit->text().toStdString();
}

void FormView::SetFieldText(int id, const std::string& text) {
  QLineEdit* edit = Field(id);
  if (edit == nullptr) return;
  QString value = QString::fromStdString(text);
  // An equal text is left alone, so its caret and selection stay.
  if (edit->text() == value) return;
  edit->setText(value);  // emits no textEdited: no handler runs
}

void FormView::FocusField(int id, bool selectAll) {
  QLineEdit* edit = Field(id);
  if (edit == nullptr) return;
  edit->setFocus(Qt::OtherFocusReason);
  if (selectAll) edit->selectAll();
}

namespace {
// The look of a field whose text is not read: a red frame on a pale red ground.
constexpr const char* kNoticeStyle =
    "QLineEdit { border: 2px solid #c00000; background: #ffe8e8; color: black; }";
constexpr const char* kNoticeProperty = "tessaroNotice";
}  // namespace

void FormView::SetFieldNotice(int id, const std::string& reason) {
  QLineEdit* edit = Field(id);
  if (edit == nullptr) return;
  const QString text = QString::fromStdString(reason);
  edit->setProperty(kNoticeProperty, text);
  edit->setStyleSheet(text.isEmpty() ? QString() : QString::fromLatin1(kNoticeStyle));
  // Taking a style sheet off a widget drops the font it inherited from the
  // form; the field keeps the form's font either way.
  edit->setFont(font());
  edit->setToolTip(text);
  edit->setStatusTip(text);  // shown again whenever the pointer is over the field
  // The window's status line says it too, through the same event a status
  // tip sends; an empty text puts back the idle prompt.
  QStatusTipEvent tip(text);
  QCoreApplication::sendEvent(this, &tip);
}

QString FormView::FieldNotice(int id) const {
  QLineEdit* edit = Field(id);
  return edit == nullptr ? QString() : edit->property(kNoticeProperty).toString();
}

MsgResult FormView::ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) {
  return ShowMessageBox(this, text, buttons, icon);
}

void FormView::SetStatusPane(int pane, const std::string& text) {
  if (pane < 0 || pane >= static_cast<int>(panes_.size())) return;
  QString value = QString::fromStdString(text);
  panes_[static_cast<std::size_t>(pane)] = value;
  Q_EMIT paneTextChanged(pane, value);
}

void FormView::StartRefreshTimer() {
  refreshTimer_.start();
}

void FormView::StopRefreshTimer() {
  refreshTimer_.stop();
}

void FormView::CreateOffscreenSurface() {
  EndOffscreenPainting();
  image_ = QImage(PictureSize(), QImage::Format_RGB32);
  image_.fill(Qt::white);
}

QSize FormView::PictureSize() const {
  const PlotView& view = equation_->view();
  return QSize(static_cast<int>(std::ceil(view.width * pixelRatio_)),
               static_cast<int>(std::ceil(view.height * pixelRatio_)));
}

Surface* FormView::OffscreenSurface() {
  if (image_.isNull()) return nullptr;
  if (!painter_.isActive()) {
    // The picture follows the plot's size: a resized plot gets a new image.
    if (image_.size() != PictureSize()) CreateOffscreenSurface();
    painter_.begin(&image_);
    painter_.setTransform(PlotTransform(equation_->view(), pixelRatio_));
    surface_.Begin(&painter_);
  }
  return &surface_;
}

QTransform PlotTransform(const PlotView& view, double pixelRatio) {
  // At one device pixel a unit, a thin line on whole coordinates would
  // straddle two pixels once anti-aliased; half a pixel puts it on one.
  const double half = pixelRatio == 1.0 ? 0.5 : 0.0;
  return QTransform()
      .scale(pixelRatio, pixelRatio)
      .translate(view.OriginX() + half / pixelRatio, view.OriginY() + half / pixelRatio);
}

void FormView::EndOffscreenPainting() {
  if (!painter_.isActive()) return;
  surface_.End();
  painter_.end();
}

void FormView::PresentPicture() {
  // Show Ranges draws over the model's picture, of this model only.
  if (showRanges_ && sensitivity_ && painter_.isActive() && doc_ != nullptr &&
      doc_->model() == sensitivity_->model) {
    DrawRanges(Extras(), surface_);
  }
  EndOffscreenPainting();
  ++presentCount_;
  // Only the plot area repaints; it is opaque, so the form behind it is
  // not painted again and the deferred refresh is not re-armed.
  if (plot_ != nullptr) plot_->update();
}

void FormView::SetSpinRange(int low, int high) {
  if (spin_ != nullptr) spin_->SetRange(low, high);
}

void FormView::SetSpinPosition(int position) {
  if (spin_ != nullptr) spin_->SetPosition(position);
}

void FormView::SendEditRequest(EditRequest request) {
  // Only a line edit understands the edit requests; any other focused
  // control (a button, the spin control) ignores them.
  auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (edit == nullptr) return;
  switch (request) {
    case EditRequest::Cut:
      edit->cut();
      break;
    case EditRequest::Copy:
      edit->copy();
      break;
    case EditRequest::Paste:
      edit->paste();
      break;
    case EditRequest::Undo:
      edit->undo();
      break;
  }
}

bool FormView::ChooseColor(const Rgb& initial, Rgb& chosen) {
  QColor color;
  if (!ShowColorDialog(this, QColor(initial.r, initial.g, initial.b), color)) return false;
  if (!color.isValid()) return false;
  chosen = Rgb{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
               static_cast<std::uint8_t>(color.blue())};
  return true;
}

void FormView::CloseDocument() {
  Q_EMIT closeRequested();
}

}  // namespace tessaro::app
