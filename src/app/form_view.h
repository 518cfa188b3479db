#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>

#include "app/command.h"
#include "app/painter_surface.h"
#include "app/shown_sensitivity.h"
#include "editor/form_window.h"
#include "model/plot_view.h"

class QLineEdit;
class QPushButton;

namespace tessaro {
class FormController;
class Document;
class SettingsStore;
}  // namespace tessaro

namespace tessaro::app {

class PlotWidget;
class SpinControl;

// The painter transform of a picture of the plot: device pixels per unit
// and the plot origin (the drawing's unit (0, 0)).
QTransform PlotTransform(const tessaro::PlotView& view, double pixelRatio);

// The form view of one document: the fields, the "+"/"-" buttons, the
// decimals spin control and the plot area at their fixed places, over the
// core's FormController. It turns Qt events into calls of FormController's handlers
// with plain values and carries out what the core asks through FormWindow;
// it decides nothing about the model.
class FormView : public QWidget, private tessaro::FormWindow {
  Q_OBJECT

 public:
  // Builds every control of the form, constructs the FormController and runs
  // its attach with doc. doc and settings must outlive the view.
  FormView(tessaro::Document* doc, tessaro::SettingsStore* settings, QWidget* parent = nullptr);
  ~FormView() override;

  // Runs FormController::start; called once after construction.
  void InitialUpdate();

  tessaro::FormController& Equation() { return *equation_; }
  tessaro::Document* Document() const { return doc_; }

  // Runs a view command by its id (tessaro::cmd); false when the id is not
  // one of the view's commands.
  bool RunCommand(Command command);
  // The check mark of a command (only Preview Payoff has one).
  bool IsCommandChecked(Command command) const;

  // The last text written into status pane 0, 1 or 2.
  QString PaneText(int pane) const;

  // The offscreen picture of the plot, the plot's size times the device
  // pixel ratio (null before the initial update).
  const QImage& OffscreenImage();
  // Draws the picture at this many device pixels per logical pixel (2 on
  // a high-density screen); the plot widget's own ratio by default.
  void SetPixelRatio(double ratio);
  double PixelRatio() const { return pixelRatio_; }
  // Gives the plot a size of its own (an export draws what a plot of that
  // size shows) and redraws it.
  void SetPlotSize(QSize size);
  // How many pictures were presented so far.
  int PresentCount() const { return presentCount_; }

  // The line edit of a field id, the push button of a button id, the spin
  // control; null for an unknown id.
  QLineEdit* Field(int id) const;
  QPushButton* Button(int id) const;
  SpinControl* Spin() const { return spin_; }
  PlotWidget* Plot() const { return plot_; }

  // The sensitivity of the optimum on screen; null when the model has none
  // (no solve yet, or the model changed since).
  const ShownSensitivity* Sensitivity() const { return sensitivity_ ? &*sensitivity_ : nullptr; }
  // Show Ranges: the payoff fan and the selected row's range lines on the plot.
  void SetShowRanges(bool show);
  bool ShowsRanges() const { return showRanges_; }
  void SelectRangeRow(std::optional<int> row);
  // What Copy Picture and the printed page add to the model's picture.
  PictureExtras Extras() const;

  // The notice a field shows; empty when its text is read.
  QString FieldNotice(int id) const;
  // The face the form's controller talks to.
  tessaro::FormWindow& Window() { return *this; }

 Q_SIGNALS:
  void paneTextChanged(int pane, const QString& text);
  void modifiedChanged(bool modified);
  void closeRequested();
  // The shown sensitivity was filled or dropped.
  void sensitivityChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // --- FormWindow: what the controller asks of the form -------------------
  std::string FieldText(int id) const override;
  void SetFieldText(int id, const std::string& text) override;
  bool FormReady() const override { return formReady_; }
  void FocusField(int id, bool selectAll) override;
  void SetFieldNotice(int id, const std::string& reason) override;
  MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  void SetStatusPane(int pane, const std::string& text) override;
  void StartRefreshTimer() override;
  void StopRefreshTimer() override;
  void CreateOffscreenSurface() override;
  Surface* OffscreenSurface() override;
  void PresentPicture() override;
  void SetSpinRange(int low, int high) override;
  void SetSpinPosition(int position) override;
  void SendEditRequest(EditRequest request) override;
  bool ChooseColor(const Rgb& initial, Rgb& chosen) override;
  void CloseDocument() override;

  void BuildControls();
  // Gives every control the name a screen reader announces.
  void NameControls();
  // Delivers a change of a field's text made by the user, the spin control
  // or a clipboard edit to the field's change handler.
  void OnFieldEdited(int id);
  // Runs one core handler, then reports a change of the modified flag.
  template <typename Handler>
  void Dispatch(Handler&& handler) {
    handler();
    ReportModified();
    TrackSensitivity();
  }
  void ReportModified();
  // Drops the shown sensitivity once the model is no longer the one it
  // belongs to.
  void TrackSensitivity();
  void DropSensitivity();
  // After Auto Max or Auto Min: the sensitivity of the optimum found, if any.
  void ShowSolvedSensitivity();
  void RedrawForRanges();
  void EndOffscreenPainting();
  QSize PictureSize() const;
  // Tells the core where the plot is and how large, after a layout change.
  void SyncPlotView();
  void UpdateCursor(int px, int py);

  tessaro::Document* doc_;
  std::map<int, QLineEdit*> fields_;
  std::map<int, QPushButton*> buttons_;
  SpinControl* spin_ = nullptr;
  PlotWidget* plot_ = nullptr;
  bool formReady_ = false;
  std::array<QString, 3> panes_;
  QTimer refreshTimer_;

  // The offscreen picture: the painter is open from the first drawing call
  // of a redraw until the picture is presented.
  QImage image_;
  QPainter painter_;
  PainterSurface surface_;
  int presentCount_ = 0;
  double pixelRatio_ = 1.0;

  bool lastModified_ = false;
  std::optional<ShownSensitivity> sensitivity_;
  bool showRanges_ = false;
  std::optional<int> rangeRow_;
  bool grabCursor_ = false;

  // Last: destroyed first, while the controls it talks to still exist.
  std::unique_ptr<tessaro::FormController> equation_;
};

}  // namespace tessaro::app
