#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "doc/document.h"
#include "editor/field_notices.h"
#include "editor/form_window.h"
#include "model/plot_view.h"
#include "render/plot_drawing.h"
#include "solver/solution.h"

namespace tessaro {

class SettingsStore;
class Surface;

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

// The controller of one form: it turns a field edit, a button, a command or
// a pointer gesture into one change on its document's model, then
// refreshes the form through FormWindow, always in that order. The model
// lives only in the document; the controller keeps what the form shows
// beside it (the gesture under way, the lattice points, the optimum found,
// where the labels were drawn) and computes everything else from the model
// when it needs it.
class FormController {
 public:
  // Reads the area colour from the settings store. Until a document is
  // attached, the form works on a new model of its own.
  FormController(FormWindow& window, SettingsStore* settings);
  FormController(const FormController&) = delete;
  FormController& operator=(const FormController&) = delete;
  ~FormController() = default;

  // The document whose model the form shows; it must outlive the form.
  void attach(Document& document);
  // Shows the model in the fields and draws it, taking it as the held version.
  void start();
  const Document& document() const { return *doc_; }

  // The plot's size and origin on screen; the window keeps it current.
  const PlotView& view() const { return view_; }
  void setView(const PlotView& view) { view_ = view; }

  // What the user did.
  void run(FormCommand command);
  void fieldEdited(int fieldId);
  // Routes a click of a "+"/"-" button by its control id; false if unknown.
  bool stepButtonClicked(int buttonId);
  void decimalsSpinLeft();
  void pointerMoved(int px, int py);
  void leftPressed(int px, int py);
  void leftReleased();
  void rightPressed(int px, int py);
  void rightReleased();
  // Whether a left press at this view point would grab something.
  bool wouldGrab(int px, int py) const;

  // The deferred refresh: painting arms it, the timer reads the range
  // fields and draws.
  void painted();
  void refreshTimerFired();

  // Draws the model onto the form's picture and presents it.
  void redraw();
  // The plot (axes and model) as the form shows it, onto another surface
  // with another view, and the printed results under it.
  void drawPlot(Surface& surface, const PlotView& view) const;
  void drawResults(Surface& surface) const;

  // The optimal point list of the last solve; empty when none is shown.
  std::span<const PlanePoint> optimum() const { return optimum_; }
  // +1 after Auto Max, -1 after Auto Min, 0 before either.
  int solveDirection() const { return solveDirection_; }
  bool previewsPayoff() const { return previewPayoff_; }
  // Where the plot closes the plane for the solver, as the deferred
  // refresh last set it.
  FarBounds farBounds() const { return far_; }
  // The lattice points shown while the model shows integer dots.
  std::span<const IntPoint> latticeDots() const { return dots_; }

 private:
  // The model as the form shows it: the document's, with the payoff level
  // of a right-button preview while one lasts.
  const Model& Shown() const;
  // The scene of the model; the optimum is marked only when marked says so.
  PlotScene SceneOf(const Model& model, bool marked) const;
  // Whether the optimum on screen was found for this model's problem.
  bool OptimumHolds(const Model& model) const;

  // --- The one road of a change -------------------------------------------
  // BeginModelChange ends the field's own undo and starts a new history
  // entry with this name; ContinueModelChange names the change the next
  // stores make without starting one (a run of typing in one field is one
  // entry; run keeps the entry one while its name follows the text).
  void BeginModelChange(const std::string& name);
  // Starts a new history entry only: the field's own undo stays.
  void BeginHistoryEntry(const std::string& name);
  void ContinueModelChange(const std::string& name, const std::string& run = {});
  // Applies edit to a copy of the document's model and stores the result
  // under the current change's name.
  template <class Edit>
  void Change(Edit&& edit) {
    Model changed = doc_->model();
    edit(changed);
    doc_->apply(changeName_, std::move(changed), changeRun_);
  }
  // Shows the fields, recomputes the lattice points when they are shown
  // (if asked) and redraws.
  void FinishModelChange(bool recomputeDots);
  // The name line i goes by in the history: its own, or "Line n".
  std::string LineChangeName(int i) const;
  static std::string LineChangeName(const std::string& name, int i);

  // --- The fields ---------------------------------------------------------
  // Checks every number field in the form's order; false at the first
  // field refused, whose message was shown.
  bool CheckFields();
  // Writes the labels, ranges, zooms and decimals of the model into the
  // fields that show something else.
  void ShowFields();
  // Writes a line's (or the PAYOFF's) text from the model; a refused text
  // that differs goes with its notice.
  void ShowLineText(int fieldId);
  // Writes every line text from the model, except those still refused.
  void ShowLineTexts();
  void SyncDecimalsSpin();
  // The decimals the DECIMALS field shows, read as the deferred refresh
  // reads them.
  int DecimalsShown() const;
  void labelEdited(int fieldId);
  void payoffEdited();
  void lineEdited(int i);
  void rangeFieldEdited();
  // Shows or (with an empty reason) clears the notice of a line field, and
  // marks the X or Y label field while a line waits for that label.
  void NoteField(int fieldId, const std::string& reason);
  static bool IsLineField(int id);
  // Shows the line texts from the model, then reads the refused texts
  // again as typed: a label change may make them read.
  void ShowTextsRereadingRefused();
  // Rebuilds the form from the document's model after it was replaced.
  void ShowDocumentModel();

  // --- Solving and the lattice ---------------------------------------------
  void ComputeIntegerDots();
  void ShowSolution(const Solution& solution);
  Solution SolveAndReport(bool maximize);
  void AutoSolve(bool maximize);
  void ProbeRightHandSide(int row, int step);
  void RefreshResultsPane();

  // --- Buttons and commands -------------------------------------------------
  void StepPayoff(double step);
  void StepLine(int i, int step);  // step is +1 or -1
  void StepZoom(bool yAxis, bool in);
  void StepRange(int which, double step);  // which: 0 xMin, 1 xMax, 2 yMin, 3 yMax
  void autoZoom();
  void toggleDisplay(FormCommand command);
  void toggleIntegerDots();
  void hold();
  void resetEquations();
  void undo();
  void redo();
  void editRequest(EditRequest request);
  void configureColor();

  // --- The pointer -----------------------------------------------------------
  // The offsets from (xMin, yMin) of a label whose corner is at (x, y);
  // none when they cannot be stored.
  std::optional<LabelPosition> LabelAt(double x, double y) const;
  void DragLineTo(int i, double x, double y);
  void DragLabelTo(int j, double x, double y);
  void DragPayoffTo(double x, double y);
  void RotatePayoffTo(double x, double y);
  void DragPayoffLabelTo(double x, double y);
  void EndGestures();

  FormWindow& window_;
  SettingsStore* settings_;
  Document ownDocument_;
  Document* doc_ = &ownDocument_;
  PlotView view_;
  // Where the plot closes the plane: recomputed by the deferred refresh, so
  // that the zoom buttons leave it where it was.
  FarBounds far_;
  PointerGesture gesture_;
  // The payoff level shown while the right button is held, and the copy of
  // the model that shows it.
  std::optional<double> previewLevel_;
  mutable Model previewed_;
  std::vector<IntPoint> dots_;
  std::vector<PlanePoint> optimum_;
  // The model the optimum belongs to: once a line, the payoff or the
  // lattice mode differs, the optimum goes.
  std::optional<Model> optimumModel_;
  ShownLabels shownLabels_;
  int solveDirection_ = 0;
  bool previewPayoff_ = false;
  // After Cut, Copy or Paste, Undo goes to the field with the focus.
  bool fieldUndo_ = false;
  std::string changeName_;
  std::string changeRun_;
  FieldNotices notices_;
};

}  // namespace tessaro
