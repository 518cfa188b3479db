#include <array>
#include <string>

#include "editor/form_controller.h"
#include "editor/form_messages.h"
#include "model/format_line.h"
#include "model/number_text.h"

namespace tessaro {

namespace {

enum class Kind { Number, Zoom, Integer };

// The number fields in the form's order, and where the model keeps each.
struct NumberField {
  int id;
  Kind kind;
  double Model::*number;
};

constexpr std::array<NumberField, 7> kNumberFields{{
    {ctl::X_MAX, Kind::Number, &Model::xMax},
    {ctl::X_MIN, Kind::Number, &Model::xMin},
    {ctl::X_ZOOM, Kind::Zoom, &Model::xZoom},
    {ctl::Y_MAX, Kind::Number, &Model::yMax},
    {ctl::Y_MIN, Kind::Number, &Model::yMin},
    {ctl::Y_ZOOM, Kind::Zoom, &Model::yZoom},
    {ctl::DECIMALS, Kind::Integer, nullptr},
}};

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

bool FailAt(FormWindow& window, int id, const std::string& message) {
  window.ShowMessage(message, MsgButtons::Ok, MsgIcon::Exclamation);
  window.FocusField(id, true);
  return false;
}

}  // namespace

// The fields are read by the edit that changed them (a label, a line) or by
// the deferred refresh (the numbers); an edit elsewhere only checks that
// every number field reads, as a box at the first that does not.
bool FormController::CheckFields() {
  if (!window_.FormReady()) return false;
  for (const NumberField& field : kNumberFields) {
    const std::string text = window_.FieldText(field.id);
    if (field.kind == Kind::Integer) {
      int value = 0;
      if (!ParseFormInteger(text, value)) return FailAt(window_, field.id, MSG_ENTER_INTEGER);
      continue;
    }
    double value = 0.0;
    if (!ParseFormNumber(text, value)) return FailAt(window_, field.id, MSG_ENTER_NUMBER);
    if (field.kind == Kind::Zoom && !(value >= ZOOM_FIELD_MIN && value <= ZOOM_FIELD_MAX)) {
      return FailAt(window_, field.id, ZoomRangeMessage());
    }
  }
  return true;
}

// A field that already shows the text is not written, so its caret and
// selection stay.
void FormController::ShowFields() {
  if (!window_.FormReady()) return;
  const Model& model = Shown();
  auto show = [this](int id, const std::string& text) {
    if (window_.FieldText(id) != text) window_.SetFieldText(id, text);
  };
  show(ctl::X_LABEL, model.xLabel);
  show(ctl::Y_LABEL, model.yLabel);
  for (const NumberField& field : kNumberFields) {
    show(field.id, field.kind == Kind::Integer ? std::to_string(model.decimals)
                                               : FormatGeneral(model.*field.number));
  }
}

void FormController::ShowLineText(int fieldId) {
  if (!window_.FormReady()) return;
  const Model& m = Shown();
  std::string text;
  if (fieldId == ctl::PAYOFF) {
    text = FormatLine("", m.payoff.a, m.xLabel, m.payoff.sign, m.payoff.b, m.yLabel, REL_EQ,
                      m.payoff.level, m.decimals);
  } else if (IsLineField(fieldId)) {
    const Line& line = m.lines[static_cast<std::size_t>(fieldId - ctl::LINE0)];
    text = FormatLine(line.name, line.a, m.xLabel, line.sign, line.b, m.yLabel,
                      RelationCode(line.relation), line.c, m.decimals);
  } else {
    return;
  }
  // A field written with another text than the one refused shows the
  // model's line again: its notice goes.
  if (!notices_.Reason(fieldId).empty() && notices_.Text(fieldId) != text) NoteField(fieldId, "");
  if (window_.FieldText(fieldId) != text) window_.SetFieldText(fieldId, text);
}

// A field whose text is not read keeps it: the user is still typing there.
void FormController::ShowLineTexts() {
  if (notices_.Reason(ctl::PAYOFF).empty()) ShowLineText(ctl::PAYOFF);
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (notices_.Reason(ctl::LINE0 + i).empty()) ShowLineText(ctl::LINE0 + i);
  }
}

void FormController::SyncDecimalsSpin() {
  // The spin control keeps a 16-bit position: the low 16 bits of decimals.
  window_.SetSpinPosition(
      static_cast<std::int16_t>(static_cast<std::uint32_t>(Shown().decimals) & 0xFFFFu));
}

bool FormController::IsLineField(int id) {
  return id >= ctl::LINE0 && id < ctl::LINE0 + LINE_COUNT;
}

}  // namespace tessaro
