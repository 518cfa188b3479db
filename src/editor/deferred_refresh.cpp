#include <cmath>
#include <string>

#include "editor/form_controller.h"
#include "editor/form_messages.h"
#include "model/number_text.h"

namespace tessaro {

namespace {

// The deferred refresh reads at most this many characters of a range or
// zoom field, and of the decimals field.
constexpr std::size_t kNumberChars = 19;
constexpr std::size_t kIntegerChars = 9;

// A range or zoom field read like the C library reads a number; a value
// beyond the largest double keeps the previous one, so that no infinity
// enters the model from a field.
double ReadNumberField(const FormWindow& host, int id, double previous) {
  const std::string text = host.FieldText(id).substr(0, kNumberChars);
  double value = 0.0;
  return ConvertFiniteNumber(text, value) ? value : previous;
}

}  // namespace

// Painting only arms the refresh; refreshTimerFired draws.
void FormController::painted() {
  host_.StartRefreshTimer();
}

void FormController::refreshTimerFired() {
  host_.StopRefreshTimer();
  if (doc == nullptr || !host_.FormReady()) return;

  const double newXZoom = ReadNumberField(host_, ctl::X_ZOOM, xZoom);
  const double newYZoom = ReadNumberField(host_, ctl::Y_ZOOM, yZoom);
  // While a zoom field reads 0 (or is empty) nothing is applied and the
  // refresh is tried again. Only the values read count: a zoom of 0 loaded
  // from a file is replaced as soon as the field holds another number.
  if (newXZoom == 0.0 || newYZoom == 0.0) {
    host_.StartRefreshTimer();
    return;
  }
  const double newXMax = ReadNumberField(host_, ctl::X_MAX, xMax);
  const double newYMax = ReadNumberField(host_, ctl::Y_MAX, yMax);
  const double newXMin = ReadNumberField(host_, ctl::X_MIN, xMin);
  const double newYMin = ReadNumberField(host_, ctl::Y_MIN, yMin);
  // A minimum above its maximum is refused: the range fields go back to the
  // range in force (so the next refresh does not refuse it again), the
  // message names the axis and nothing of this refresh is applied.
  if (newXMin > newXMax || newYMin > newYMax) {
    host_.SetFieldText(ctl::X_MIN, FormatGeneral(xMin));
    host_.SetFieldText(ctl::X_MAX, FormatGeneral(xMax));
    host_.SetFieldText(ctl::Y_MIN, FormatGeneral(yMin));
    host_.SetFieldText(ctl::Y_MAX, FormatGeneral(yMax));
    const bool xWrong = newXMin > newXMax;
    host_.ShowMessage(xWrong ? MSG_X_MIN_ABOVE_MAX : MSG_Y_MIN_ABOVE_MAX, MsgButtons::Ok,
                      MsgIcon::Exclamation);
    host_.FocusField(xWrong ? ctl::X_MIN : ctl::Y_MIN, true);
    return;
  }
  xZoom = newXZoom;
  yZoom = newYZoom;
  xMax = newXMax;
  yMax = newYMax;
  xMin = newXMin;
  yMin = newYMin;
  decimals = ConvertInteger(host_.FieldText(ctl::DECIMALS).substr(0, kIntegerChars));

  RefreshEquationTexts();
  StoreRangesInDoc();
  RecomputeFarBounds();
  RedrawGraph();
}

// The far bounds lie FAR_BOUND_PIXELS beyond the right and top ends of the
// range. A bound that would not be finite (a zoom so small that the
// division overflows) keeps its previous value.
void FormController::RecomputeFarBounds() {
  const double farX = xMax + FAR_BOUND_PIXELS / xZoom;
  const double farY = yMax + FAR_BOUND_PIXELS / yZoom;
  if (std::isfinite(farX)) rowC[ROW_FAR_X] = farX;
  if (std::isfinite(farY)) rowC[ROW_FAR_Y] = farY;
}

}  // namespace tessaro
