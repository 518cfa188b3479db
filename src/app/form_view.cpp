#include "app/form_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

#include "app/edit_key_filter.h"
#include "app/form_access.h"
#include "app/form_layout.h"
#include "app/plot_widget.h"
#include "app/spin_control.h"
#include "doc/document.h"
#include "editor/form_controller.h"
#include "model/constants.h"

namespace tessaro::app {
namespace {

// Button-state flags passed with pointer events, as the core's handlers
// take them: left, right, shift, control, middle.
constexpr int kFlagLeft = 0x0001;
constexpr int kFlagRight = 0x0002;
constexpr int kFlagShift = 0x0004;
constexpr int kFlagControl = 0x0008;
constexpr int kFlagMiddle = 0x0010;

int PointerFlags(const QMouseEvent& event) {
  int flags = 0;
  if (event.buttons() & Qt::LeftButton) flags |= kFlagLeft;
  if (event.buttons() & Qt::RightButton) flags |= kFlagRight;
  if (event.buttons() & Qt::MiddleButton) flags |= kFlagMiddle;
  if (event.modifiers() & Qt::ShiftModifier) flags |= kFlagShift;
  if (event.modifiers() & Qt::ControlModifier) flags |= kFlagControl;
  return flags;
}

// A control that paints its whole rectangle itself. Qt then repaints only
// the control when it changes (a blinking caret, a hovered button) and not
// the form behind it, whose paint would arm the deferred refresh and redraw
// the whole plot each time.
void MakeOpaque(QWidget* control) {
  control->setBackgroundRole(QPalette::Window);
  control->setAutoFillBackground(true);
}

}  // namespace

FormView::FormView(tessaro::Document* doc, tessaro::SettingsStore* settings, QWidget* parent)
    : QWidget(parent), doc_(doc) {
  QFont formFont(QStringLiteral("Liberation Sans"));
  formFont.setStyleHint(QFont::SansSerif);
  formFont.setPointSize(8);
  setFont(formFont);
  setAutoFillBackground(true);
  setMouseTracking(true);
  // The right button previews the payoff; it opens no menu here or above.
  setContextMenuPolicy(Qt::PreventContextMenu);
  setMinimumSize(FormSize());

  refreshTimer_.setInterval(1);
  connect(&refreshTimer_, &QTimer::timeout, this,
          [this] { Dispatch([this] { equation_->refreshTimerFired(); }); });

  equation_ = std::make_unique<tessaro::FormController>(Window(), settings);
  BuildControls();
  formReady_ = true;
  if (doc_ != nullptr) equation_->attach(*doc_);
  lastModified_ = doc_ != nullptr && doc_->isModified();
}

FormView::~FormView() {
  refreshTimer_.stop();
  EndOffscreenPainting();
}

void FormView::BuildControls() {
  auto* keyFilter = new EditKeyFilter(this);
  connect(keyFilter, &EditKeyFilter::commandRequested, this,
          [this](Command command) { RunCommand(command); });
  QFont smallFont = font();
  smallFont.setPointSize(6);

  for (const FormControl& control : FormControls()) {
    QRect place = DialogRect(control.x, control.y, control.width, control.height);
    switch (control.kind) {
      case ControlKind::Caption: {
        auto* label = new QLabel(QString::fromLatin1(control.caption), this);
        // A caption one line high keeps its text on one line and grows to
        // the right when this font draws it wider than the box ("PAYOFF"
        // would lose its last letter); a taller one wraps.
        const QFontMetrics metrics = label->fontMetrics();
        const bool oneLine = place.height() < 2 * metrics.lineSpacing();
        if (oneLine) {
          place.setWidth(std::max(place.width(), metrics.horizontalAdvance(label->text()) + 1));
        }
        label->setGeometry(place);
        label->setWordWrap(!oneLine);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        break;
      }
      case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setGeometry(place);
        edit->setTextMargins(0, 0, 0, 0);
        MakeOpaque(edit);
        edit->installEventFilter(keyFilter);
        int id = control.id;
        connect(edit, &QLineEdit::textEdited, this, [this, id] { OnFieldEdited(id); });
        fields_[id] = edit;
        break;
      }
      case ControlKind::Button: {
        auto* button = new QPushButton(QString::fromLatin1(control.caption), this);
        button->setGeometry(place);
        if (place.height() < 14) button->setFont(smallFont);
        MakeOpaque(button);
        int id = control.id;
        connect(button, &QPushButton::clicked, this,
                [this, id] { Dispatch([this, id] { equation_->stepButtonClicked(id); }); });
        buttons_[id] = button;
        break;
      }
      case ControlKind::Spin: {
        spin_ = new SpinControl(this);
        spin_->setGeometry(place);
        MakeOpaque(spin_);
        // The decimals spin's acceleration: from one second of holding on,
        // one step a repeat.
        spin_->SetAcceleration({{1, 1}});
        spin_->SetBuddy(fields_.count(ctl::DECIMALS) ? fields_[ctl::DECIMALS] : nullptr);
        connect(spin_, &SpinControl::buddyEdited, this, [this] { OnFieldEdited(ctl::DECIMALS); });
        connect(spin_, &SpinControl::focusLeft, this,
                [this] { Dispatch([this] { equation_->decimalsSpinLeft(); }); });
        break;
      }
      case ControlKind::Plot:
        plot_ = new PlotWidget(&image_, this);
        plot_->setGeometry(PlotRect());
        SyncPlotView();
        break;
    }
  }
  NameControls();
}

void FormView::NameControls() {
  for (const auto& [id, edit] : fields_) edit->setAccessibleName(FieldAccessibleName(id));
  for (const auto& [id, button] : buttons_) {
    button->setAccessibleName(ButtonAccessibleName(id, QString()));
    // A line's buttons are named after the line, whose name is typed.
    const int field = FieldOfButton(id);
    if (field < ctl::LINE0 || field >= ctl::LINE0 + LINE_COUNT) continue;
    QPushButton* named = button;
    const int buttonId = id;  // a structured binding cannot be captured before clang 16
    connect(fields_[field], &QLineEdit::textChanged, named, [named, buttonId](const QString& text) {
      named->setAccessibleName(ButtonAccessibleName(buttonId, text));
    });
  }
  if (spin_) spin_->setAccessibleName(QStringLiteral("Decimal number up-down"));
  if (plot_) plot_->setAccessibleName(QStringLiteral("Plot"));
}

void FormView::InitialUpdate() {
  Dispatch([this] { equation_->start(); });
}

void FormView::ReportModified() {
  bool modified = doc_ != nullptr && doc_->isModified();
  if (modified == lastModified_) return;
  lastModified_ = modified;
  Q_EMIT modifiedChanged(modified);
}

void FormView::OnFieldEdited(int id) {
  Dispatch([this, id] { equation_->fieldEdited(id); });
  // A text being typed may not read as a model yet; the numbers go all the same.
  if (sensitivity_) DropSensitivity();
}

QString FormView::PaneText(int pane) const {
  if (pane < 0 || pane >= static_cast<int>(panes_.size())) return QString();
  return panes_[static_cast<std::size_t>(pane)];
}

const QImage& FormView::OffscreenImage() {
  EndOffscreenPainting();
  return image_;
}

QLineEdit* FormView::Field(int id) const {
  auto it = fields_.find(id);
  return it == fields_.end() ? nullptr : it->second;
}

QPushButton* FormView::Button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

// --- Qt events ---------------------------------------------------------------

void FormView::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // Painting the view only arms the deferred refresh; the picture itself
  // is drawn by the timer's redraw after the controls have painted.
  Dispatch([this] { equation_->painted(); });
}

void FormView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (plot_ == nullptr) return;
  // The plot area grows with the view to the right and downwards; its
  // top-left corner, and so the plot origin, stays where it is.
  QRect place = PlotRect();
  place.setWidth(std::max(place.width(), width() - place.left()));
  place.setHeight(std::max(place.height(), height() - place.top()));
  plot_->setGeometry(place);
  SyncPlotView();
}

void FormView::SyncPlotView() {
  if (plot_ == nullptr) return;
  PlotView view = PlotViewOfSize(plot_->width(), plot_->height());
  view.left = plot_->x();
  view.top = plot_->y();
  const double ratio = plot_->devicePixelRatioF();
  if (view == equation_->view() && ratio == pixelRatio_) return;
  equation_->setView(view);
  pixelRatio_ = ratio;
  // The picture is drawn again at the new size by the deferred refresh.
  if (formReady_) StartRefreshTimer();
}

void FormView::SetPixelRatio(double ratio) {
  pixelRatio_ = ratio > 0.0 ? ratio : 1.0;
  CreateOffscreenSurface();
  Dispatch([this] { equation_->redraw(); });
}

void FormView::SetPlotSize(QSize size) {
  if (plot_ != nullptr) plot_->resize(size);
  PlotView view = PlotViewOfSize(size.width(), size.height());
  if (plot_ != nullptr) {
    view.left = plot_->x();
    view.top = plot_->y();
  }
  equation_->setView(view);
  CreateOffscreenSurface();
  Dispatch([this] { equation_->redraw(); });
}

void FormView::mousePressEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  int flags = PointerFlags(*event);
  if (event->button() == Qt::LeftButton) {
    Dispatch([&] { equation_->leftPressed(p.x(), p.y()); });
  } else if (event->button() == Qt::RightButton) {
    Dispatch([&] { equation_->rightPressed(p.x(), p.y()); });
  } else {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  UpdateCursor(p.x(), p.y());
}

void FormView::mouseReleaseEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  int flags = PointerFlags(*event);
  if (event->button() == Qt::LeftButton) {
    Dispatch([&] { equation_->leftReleased(); });
  } else if (event->button() == Qt::RightButton) {
    Dispatch([&] { equation_->rightReleased(); });
  } else {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  event->accept();
  UpdateCursor(p.x(), p.y());
}

void FormView::mouseMoveEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  int flags = PointerFlags(*event);
  Dispatch([&] { equation_->pointerMoved(p.x(), p.y()); });
  event->accept();
  UpdateCursor(p.x(), p.y());
}

void FormView::UpdateCursor(int px, int py) {
  bool grab = equation_->wouldGrab(px, py);
  if (grab == grabCursor_) return;
  grabCursor_ = grab;
  setCursor(grab ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace tessaro::app
