#include "app/form_access.h"

#include <cstring>

#include "app/form_layout.h"
#include "model/constants.h"

namespace tessaro::app {
namespace {

// The place of a line field among the line fields in reading order (row by
// row, as Tab visits them), from 1; 0 for another field.
int LineNumberOf(int fieldId) {
  if (fieldId < ctl::LINE0 || fieldId >= ctl::LINE0 + LINE_COUNT) return 0;
  int number = 0;
  for (const FormControl& control : FormControls()) {
    if (control.kind != ControlKind::Edit) continue;
    if (control.id >= ctl::LINE0 && control.id < ctl::LINE0 + LINE_COUNT) ++number;
    if (control.id == fieldId) return number;
  }
  return 0;
}

}  // namespace

QString FieldAccessibleName(int fieldId) {
  if (const int line = LineNumberOf(fieldId); line > 0) return QStringLiteral("Line %1").arg(line);
  // A field's caption is the caption just before it in the layout.
  const char* caption = nullptr;
  for (const FormControl& control : FormControls()) {
    if (control.kind == ControlKind::Caption) caption = control.caption;
    if (control.kind == ControlKind::Edit && control.id == fieldId) {
      return caption ? QString::fromLatin1(caption) : QString();
    }
    if (control.kind != ControlKind::Caption) caption = nullptr;
  }
  return QString();
}

int FieldOfButton(int buttonId) {
  // A button steps the field laid out just before it.
  int field = 0;
  for (const FormControl& control : FormControls()) {
    if (control.kind == ControlKind::Edit) field = control.id;
    if (control.kind == ControlKind::Button && control.id == buttonId) return field;
  }
  return 0;
}

QString ButtonAccessibleName(int buttonId, const QString& lineText) {
  const int field = FieldOfButton(buttonId);
  if (field == 0) return QString();
  bool up = false;
  for (const FormControl& control : FormControls()) {
    if (control.id == buttonId) up = std::strcmp(control.caption, "+") == 0;
  }
  const QString verb = up ? QStringLiteral("Increase") : QStringLiteral("Decrease");
  if (field == ctl::PAYOFF) return verb + QStringLiteral(" payoff level");
  if (const int line = LineNumberOf(field); line > 0) {
    const int colon = lineText.indexOf(u':');
    QString name = colon > 0 ? lineText.left(colon).trimmed() : QString();
    if (name.isEmpty()) name = QStringLiteral("line %1").arg(line);
    return QStringLiteral("%1 %2 right-hand side").arg(verb, name);
  }
  return verb + u' ' + FieldAccessibleName(field);
}

}  // namespace tessaro::app
