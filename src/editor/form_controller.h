#pragma once

#include <string>

#include "doc/document.h"
#include "editor/field_notices.h"
#include "editor/form_window.h"
#include "model/model_state.h"
#include "model/optimum_mark.h"
#include "model/plot_view.h"
#include "solver/solution.h"

namespace tessaro {

class SettingsStore;
class Surface;

// The controller of one form: it turns a field edit, a button, a command or
// a pointer gesture into one change on its document, then refreshes the
// form through FormWindow. It keeps the form's working state (the fields as
// read, the gesture under way, the lattice points and the optimum on
// screen); the computations it calls live in solver/ and render/ and take
// their inputs as values.
// The commands of the menus, the toolbar and the keys that a form answers.
enum class FormCommand {
  AutoMax,
  AutoMin,
  AutoZoom,
  ToggleTrim,
  ToggleLabels,
  ToggleColor,
  ToggleGrey,
  ToggleIntegerDots,
  TogglePreviewPayoff,
  Hold,
  ResetEquations,
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  ConfigureColor,
};

class FormController : public ModelState {
 public:
  // Construction values; reads the area colour from the settings store.
  FormController(FormWindow& host, SettingsStore* settings);
  FormController(const FormController&) = delete;
  FormController& operator=(const FormController&) = delete;
  ~FormController() = default;

  Document* doc = nullptr;
  // The plot's size and origin on screen; the window keeps it current.
  PlotView view;
  // The optimum of the last Auto Max or Auto Min, marked until the model changes.
  OptimumMark optimumMark;

  // --- Line texts, form exchange, field edits -----------------------------
  // Cuts a line text into its parts; 1 when read, 0 when refused, with
  // the reason in *refusal when given (nothing is shown). name is null for
  // the PAYOFF line, which has no name and needs no right-hand side.
  int ParseEquation(std::string text, std::string* name, double& xCoef, int& sign, double& yCoef,
                    double& relation, double& rhs, std::string* refusal = nullptr);
  void FormatEquation(std::string& dest, std::string name, double xCoef, std::string xLabelText,
                      double sign, double yCoef, std::string yLabelText, double relation,
                      double rhs) const;
  // Reads every field into the working state, with the checks of the
  // form; false at the first field refused (its message was shown).
  bool ReadFields();
  // Writes the working state into the fields that show something else.
  void ShowFields();

  bool attach(Document* document);
  // Carries out a command of the menus, the toolbar or the keys.
  void run(FormCommand command);
  void start();
  void SyncDecimalsSpin();
  void xLabelEdited();
  void yLabelEdited();
  void payoffEdited();
  void lineEdited(int i);
  void rangeFieldEdited();
  // The notices of the fields whose text is not read.

  // The one sequence of a model change from a button, a command or the
  // pointer. BeginModelChange clears editUndoFlag and starts a new history
  // entry with this name. FinishModelChange pushes the model into the form,
  // recomputes the lattice points when they are shown (if asked) and
  // redraws.
  void BeginModelChange(const std::string& name);
  // Starts a new history entry only: the display toggles keep the working
  // model as it is.
  // Names the change that the next stores make without starting a new
  // entry: a run of typing in one field is one entry.
  // run, when given, keeps the entry one while its name follows the text.
  void ContinueModelChange(const std::string& name, const std::string& run = {}) {
    changeName_ = name;
    changeRun_ = run;
  }
  // Applies edit to a copy of the document's model and stores the result
  // under the current change's name.
  template <class Edit>
  void StoreInDoc(Edit&& edit) {
    if (doc == nullptr) return;
    Model changed = doc->model();
    edit(changed);
    doc->apply(changeName_, std::move(changed), changeRun_);
  }
  // The name of the change under way; empty before the first.
  const std::string& ChangeName() const { return changeName_; }

  // Routes a click of a "+"/"-" button by its control id; false if unknown.
  bool stepButtonClicked(int buttonId);

  // --- Solving, zoom and history ------------------------------------------
  void SolveMax();
  void ProbeRightHandSide(int row, int step);
  // Copies every stored field from the document into the working model.
  void LoadModelFromDoc();

  // --- The picture and the display toggles --------------------------------
  void RedrawGraph();
  void DrawAxes(Surface& surface) const;
  void DrawModel(Surface& surface);
  void DrawResultsText(Surface& surface) const;
  // The optimal-decisions text of status pane 2; empty when no optimum.
  std::string StatusResultsText() const;
  void RefreshResultsPane();
  void ComputeIntegerDots();
  void decimalsSpinLeft();

  // --- The deferred refresh ------------------------------------------------
  void painted();
  void refreshTimerFired();

  // --- Pointer gestures and the clipboard ---------------------------------
  void pointerMoved(int px, int py);
  void leftPressed(int px, int py);
  void leftReleased();
  void rightPressed(int px, int py);
  void rightReleased();
  // Whether a left press at this view point would grab something.
  bool wouldGrab(int px, int py) const;

 private:
  // The helpers of a change: see BeginModelChange and FinishModelChange.
  FormWindow& Host() { return host_; }
  void RefreshEquationTexts();
  const FieldNotices& Notices() const { return notices_; }
  void BeginHistoryEntry(const std::string& name);
  void FinishModelChange(bool recomputeDots);
  // The name a line goes by in the history: its own, or "Line n".
  std::string LineChangeName(int i) const;
  // Copy stored fields of the working model into the document.
  void StoreLineInDoc(int i);
  void StorePayoffInDoc();
  void StoreRangesInDoc();  // the six range and zoom values and decimals
  void StoreTogglesInDoc();
  void SolveMin();
  void RecomputeFarBounds();

  // Rebuilds the form from the document's model after it was replaced.
  void ShowDocumentModel();

  // The solve commands show their solution on the form.
  friend void ShowSolution(FormController& view, const Solution& solution);
  friend Solution SolveAndReport(FormController& view, bool maximize);
  friend Solution AutoSolve(FormController& view, bool maximize);

  // The "+" and "-" buttons, one each; stepButtonClicked() chooses.
  void payoffPlusClicked();
  void payoffMinusClicked();
  void linePlusClicked(int i);
  void lineMinusClicked(int i);
  void zoomPlusClicked(bool yAxis);
  void zoomMinusClicked(bool yAxis);
  // which: 0 xMin, 1 xMax, 2 yMin, 3 yMax.
  void rangePlusClicked(int which);
  void rangeMinusClicked(int which);
  void StepPayoff(double step);
  void StepLine(int i, int step);  // step is +1 or -1
  void StepRange(int which, double step);
  // The commands, one each; run() chooses.
  void autoMax();
  void autoMin();
  void autoZoom();
  void toggleTrim();
  void toggleLabels();
  void toggleColor();
  void toggleGrey();
  void toggleIntegerDots();
  void togglePreviewPayoff();
  void hold();
  void resetEquations();
  void undo();
  void redo();
  void cut();
  void copy();
  void paste();
  void configureColor();

  // Shows or (with an empty reason) clears the notice of a line field, and
  // marks the X or Y label field while a line waits for that label.
  void NoteField(int fieldId, const std::string& reason);
  // The text of a line or PAYOFF field in the working model.
  std::string TypedText(int fieldId) const;
  static bool IsLineField(int id) { return id >= ctl::LINE0 && id < ctl::LINE0 + LINE_COUNT; }
  // A field written with another text than the one refused (a button, a
  // drag, the optimizer) shows the model's line again: its notice goes.
  void DropStaleNotices();
  // Writes the line texts from the model, then reads the refused texts
  // again as typed: a label change may make them read.
  void RefreshTextsRereadingRefused();

  FormWindow& host_;
  SettingsStore* settings_;
  std::string changeName_;
  std::string changeRun_;
  FieldNotices notices_;
};

}  // namespace tessaro
