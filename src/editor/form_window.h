#pragma once

#include <string>

#include "model/rgb.h"

namespace tessaro {

class Surface;

enum class MsgButtons { Ok, OkCancel, YesNoCancel };
enum class MsgIcon { None, Exclamation };
enum class MsgResult { Ok, Cancel, Yes, No };

// Standard edit requests sent to the control that has the keyboard focus.
enum class EditRequest { Cut, Copy, Paste, Undo };

// What a form view needs from its window. The Qt form widget implements it;
// tests use a fake that holds field texts and answers message boxes.
class FormWindow {
 public:
  virtual ~FormWindow() = default;

  // Field texts by control id. Writing a field never runs its change handler.
  virtual std::string FieldText(int id) const = 0;
  virtual void SetFieldText(int id, const std::string& text) = 0;
  // False while the form's controls are not created yet.
  virtual bool FormReady() const = 0;
  // Moves the keyboard focus to a field; selectAll selects its whole text.
  virtual void FocusField(int id, bool selectAll) = 0;

  // Marks a field whose text is not read and says why (a tooltip, the
  // window's status text); an empty reason takes the mark away. The field
  // keeps its text and the keyboard focus stays where it is.
  virtual void SetFieldNotice(int id, const std::string& reason) = 0;

  // Modal message box with the application title as caption.
  virtual MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) = 0;

  // The view's three-pane status strip: 0 pointer, 1 dragged item, 2 optimal decisions.
  virtual void SetStatusPane(int pane, const std::string& text) = 0;

  // Timer 1 of the view, a period of 1 millisecond.
  virtual void StartRefreshTimer() = 0;
  virtual void StopRefreshTimer() = 0;

  // The 1280 x 1024 offscreen surface with its origin at (30, 300); null
  // until CreateOffscreenSurface has run.
  virtual void CreateOffscreenSurface() = 0;
  virtual Surface* OffscreenSurface() = 0;
  // Copies the 1260 x 1020 block of the offscreen image to the plot area.
  virtual void PresentPicture() = 0;

  // The decimals spin control.
  virtual void SetSpinRange(int low, int high) = 0;
  virtual void SetSpinPosition(int position) = 0;

  // Sends a standard edit request to the focused control, if any.
  virtual void SendEditRequest(EditRequest request) = 0;

  // The platform's colour picker opened in full; false when cancelled.
  virtual bool ChooseColor(const Rgb& initial, Rgb& chosen) = 0;

  // Closes the view's document and its window.
  virtual void CloseDocument() = 0;
};

}  // namespace tessaro
