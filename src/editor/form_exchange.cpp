#include <array>
#include <string>

#include "editor/form_controller.h"
#include "editor/form_messages.h"
#include "model/number_text.h"

namespace tessaro {

namespace {

enum class Kind { Text, Number, Zoom, Integer };

// One entry of the form exchange: a field and the model value bound to it.
struct Entry {
  int id;
  Kind kind;
  std::string* text = nullptr;
  double* number = nullptr;
  int* integer = nullptr;
};

// The exchange table in exchange order; a failing pull stops at its entry.
std::array<Entry, 16> ExchangeTable(ModelState& m) {
  return {{
      {ctl::X_LABEL, Kind::Text, &m.xLabel},
      {ctl::Y_LABEL, Kind::Text, &m.yLabel},
      {ctl::X_MAX, Kind::Number, nullptr, &m.xMax},
      {ctl::X_MIN, Kind::Number, nullptr, &m.xMin},
      {ctl::X_ZOOM, Kind::Zoom, nullptr, &m.xZoom},
      {ctl::Y_MAX, Kind::Number, nullptr, &m.yMax},
      {ctl::Y_MIN, Kind::Number, nullptr, &m.yMin},
      {ctl::Y_ZOOM, Kind::Zoom, nullptr, &m.yZoom},
      {ctl::DECIMALS, Kind::Integer, nullptr, nullptr, &m.decimals},
      {ctl::PAYOFF, Kind::Text, &m.payoffText},
      {ctl::LINE0 + 0, Kind::Text, &m.lineText[0]},
      {ctl::LINE0 + 1, Kind::Text, &m.lineText[1]},
      {ctl::LINE0 + 2, Kind::Text, &m.lineText[2]},
      {ctl::LINE0 + 3, Kind::Text, &m.lineText[3]},
      {ctl::LINE0 + 4, Kind::Text, &m.lineText[4]},
      {ctl::LINE0 + 5, Kind::Text, &m.lineText[5]},
  }};
}

std::string ReplaceFirst(std::string text, const std::string& place, const std::string& value) {
  std::size_t at = text.find(place);
  if (at != std::string::npos) text.replace(at, place.size(), value);
  return text;
}

// The range message with its two places filled from the accepted zoom range.
std::string ZoomRangeMessage() {
  std::string text = ReplaceFirst(MSG_NUMBER_BETWEEN, "%1", FormatGeneral(ZOOM_FIELD_MIN));
  return ReplaceFirst(text, "%2", FormatGeneral(ZOOM_FIELD_MAX));
}

int FailAt(FormWindow& host, int id, const std::string& message) {
  host.ShowMessage(message, MsgButtons::Ok, MsgIcon::Exclamation);
  host.FocusField(id, true);
  return 0;
}

// Fields to model. Entries before a failing one have been stored; the
// failing entry and the ones after it keep their model values.
int Pull(ModelState& m, FormWindow& host) {
  // A range whose minimum would lie above its maximum keeps both ends as
  // they were; the deferred refresh refuses it with its message.
  const double xMaxBefore = m.xMax;
  const double yMaxBefore = m.yMax;
  for (const Entry& e : ExchangeTable(m)) {
    const std::string text = host.FieldText(e.id);
    switch (e.kind) {
      case Kind::Text:
        *e.text = text;
        break;
      case Kind::Number:
      case Kind::Zoom: {
        double value = 0.0;
        if (!ParseFormNumber(text, value)) return FailAt(host, e.id, MSG_ENTER_NUMBER);
        if (e.kind == Kind::Zoom && !(value >= ZOOM_FIELD_MIN && value <= ZOOM_FIELD_MAX)) {
          return FailAt(host, e.id, ZoomRangeMessage());
        }
        if (e.id == ctl::X_MIN && value > m.xMax) {
          m.xMax = xMaxBefore;
          break;
        }
        if (e.id == ctl::Y_MIN && value > m.yMax) {
          m.yMax = yMaxBefore;
          break;
        }
        *e.number = value;
        break;
      }
      case Kind::Integer: {
        int value = 0;
        if (!ParseFormInteger(text, value)) return FailAt(host, e.id, MSG_ENTER_INTEGER);
        *e.integer = value;
        break;
      }
    }
  }
  return 1;
}

// Model to fields; a field that already shows the text is not written, so
// its caret and selection stay.
void Push(ModelState& m, FormWindow& host) {
  std::string formatted;
  for (const Entry& e : ExchangeTable(m)) {
    // A text field is compared with the model's own string, not a copy: the
    // line texts can hold thousands of characters and every change pushes.
    const std::string* text = &formatted;
    switch (e.kind) {
      case Kind::Text:
        text = e.text;
        break;
      case Kind::Number:
      case Kind::Zoom:
        formatted = FormatGeneral(*e.number);
        break;
      case Kind::Integer:
        formatted = std::to_string(*e.integer);
        break;
    }
    if (host.FieldText(e.id) != *text) host.SetFieldText(e.id, *text);
  }
}

}  // namespace

// Before the form's controls exist there is nothing to exchange.
bool FormController::ReadFields() {
  return host_.FormReady() && Pull(*this, host_) == 1;
}

void FormController::ShowFields() {
  if (!host_.FormReady()) return;
  Push(*this, host_);
  DropStaleNotices();
}

}  // namespace tessaro
