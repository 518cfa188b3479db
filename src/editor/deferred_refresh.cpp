#include <string>

#include "editor/form_controller.h"
#include "editor/form_messages.h"
#include "model/number_text.h"

namespace tessaro {

namespace {

// The deferred refresh reads at most this many characters of a range or
// zoom field.
constexpr std::size_t kNumberChars = 19;
// And of the decimals field.
constexpr std::size_t kIntegerChars = 9;

// A range or zoom field read like the C library reads a number; a value
// beyond the largest double keeps the previous one, so that no infinity
// enters the model from a field.
double ReadNumberField(const FormWindow& window, int id, double previous) {
  const std::string text = window.FieldText(id).substr(0, kNumberChars);
  double value = 0.0;
  return ConvertFiniteNumber(text, value) ? value : previous;
}

}  // namespace

int FormController::DecimalsShown() const {
  return ConvertInteger(window_.FieldText(ctl::DECIMALS).substr(0, kIntegerChars));
}

// Painting only arms the refresh; refreshTimerFired draws.
void FormController::painted() {
  window_.StartRefreshTimer();
}

void FormController::refreshTimerFired() {
  window_.StopRefreshTimer();
  if (!window_.FormReady()) return;
  const Model& model = doc_->model();

  const double newXZoom = ReadNumberField(window_, ctl::X_ZOOM, model.xZoom);
  const double newYZoom = ReadNumberField(window_, ctl::Y_ZOOM, model.yZoom);
  // While a zoom field reads 0 (or is empty) nothing is applied and the
  // refresh is tried again. Only the values read count: a zoom of 0 loaded
  // from a file is replaced as soon as the field holds another number.
  if (newXZoom == 0.0 || newYZoom == 0.0) {
    window_.StartRefreshTimer();
    return;
  }
  const double newXMax = ReadNumberField(window_, ctl::X_MAX, model.xMax);
  const double newYMax = ReadNumberField(window_, ctl::Y_MAX, model.yMax);
  const double newXMin = ReadNumberField(window_, ctl::X_MIN, model.xMin);
  const double newYMin = ReadNumberField(window_, ctl::Y_MIN, model.yMin);
  // A minimum above its maximum is refused: the range fields go back to the
  // range in force (so the next refresh does not refuse it again), the
  // message names the axis and nothing of this refresh is applied.
  if (newXMin > newXMax || newYMin > newYMax) {
    window_.SetFieldText(ctl::X_MIN, FormatGeneral(model.xMin));
    window_.SetFieldText(ctl::X_MAX, FormatGeneral(model.xMax));
    window_.SetFieldText(ctl::Y_MIN, FormatGeneral(model.yMin));
    window_.SetFieldText(ctl::Y_MAX, FormatGeneral(model.yMax));
    const bool xWrong = newXMin > newXMax;
    window_.ShowMessage(xWrong ? MSG_X_MIN_ABOVE_MAX : MSG_Y_MIN_ABOVE_MAX, MsgButtons::Ok,
                        MsgIcon::Exclamation);
    window_.FocusField(xWrong ? ctl::X_MIN : ctl::Y_MIN, true);
    return;
  }
  const int newDecimals = DecimalsShown();
  Change([&](Model& m) {
    m.decimals = newDecimals;
    m.yZoom = newYZoom;
    m.xZoom = newXZoom;
    m.yMin = newYMin;
    m.yMax = newYMax;
    m.xMin = newXMin;
    m.xMax = newXMax;
  });
  ShowLineTexts();
  ShowFields();
  // The far bounds lie FAR_BOUND_PIXELS beyond the right and top ends of
  // the range.
  far_ = FarBoundsOf(doc_->model(), far_);
  redraw();
}

}  // namespace tessaro
