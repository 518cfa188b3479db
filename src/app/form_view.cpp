#include "app/form_view.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

#include "app/edit_key_filter.h"
#include "app/form_layout.h"
#include "app/message_seam.h"
#include "app/picture_output.h"
#include "app/plot_widget.h"
#include "app/spin_control.h"
#include "doc/velmar_doc.h"
#include "model/constants.h"
#include "model/equation.h"

namespace tessaro::app {
namespace {

// The offscreen image and where the plot origin lies in it.
constexpr int kImageWidth = 1280;
constexpr int kImageHeight = 1024;
constexpr int kImageOriginX = 30;
constexpr int kImageOriginY = 300;

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

bool IsRangeField(int id) {
  return id >= ctl::X_MIN && id <= ctl::DECIMALS;
}

}  // namespace

FormView::FormView(tessaro::CVelmarDoc* doc, tessaro::SettingsStore* settings, QWidget* parent)
    : QWidget(parent), doc_(doc) {
  QFont formFont(QStringLiteral("Liberation Sans"));
  formFont.setStyleHint(QFont::SansSerif);
  formFont.setPointSize(8);
  setFont(formFont);
  setAutoFillBackground(true);
  setMouseTracking(true);
  setMinimumSize(FormSize());

  refreshTimer_.setInterval(1);
  connect(&refreshTimer_, &QTimer::timeout, this,
          [this] { Dispatch([this] { equation_->OnTimer(TIMER_REFRESH); }); });

  equation_ = std::make_unique<tessaro::CEquation>(*this, settings);
  BuildControls();
  formReady_ = true;
  equation_->OnCreate(doc_);
  lastModified_ = doc_ != nullptr && doc_->IsModified();
}

FormView::~FormView() {
  refreshTimer_.stop();
  EndOffscreenPainting();
}

void FormView::BuildControls() {
  auto* keyFilter = new EditKeyFilter(this);
  connect(keyFilter, &EditKeyFilter::commandRequested, this,
          [this](int command) { RunCommand(command); });
  QFont smallFont = font();
  smallFont.setPointSize(6);

  for (const ControlSpec& spec : FormControls()) {
    QRect place = DialogRect(spec.x, spec.y, spec.width, spec.height);
    switch (spec.kind) {
      case ControlKind::Caption: {
        auto* label = new QLabel(QString::fromLatin1(spec.caption), this);
        label->setGeometry(place);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        break;
      }
      case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setGeometry(place);
        edit->setTextMargins(0, 0, 0, 0);
        edit->installEventFilter(keyFilter);
        int id = spec.id;
        connect(edit, &QLineEdit::textEdited, this, [this, id] { OnFieldEdited(id); });
        fields_[id] = edit;
        break;
      }
      case ControlKind::Button: {
        auto* button = new QPushButton(QString::fromLatin1(spec.caption), this);
        button->setGeometry(place);
        if (place.height() < 14) button->setFont(smallFont);
        int id = spec.id;
        connect(button, &QPushButton::clicked, this,
                [this, id] { Dispatch([this, id] { equation_->OnButtonClicked(id); }); });
        buttons_[id] = button;
        break;
      }
      case ControlKind::Spin: {
        spin_ = new SpinControl(this);
        spin_->setGeometry(place);
        // The decimals spin's acceleration: from one second of holding on,
        // one step a repeat.
        spin_->SetAcceleration({{1, 1}});
        spin_->SetBuddy(fields_.count(ctl::DECIMALS) ? fields_[ctl::DECIMALS] : nullptr);
        connect(spin_, &SpinControl::buddyEdited, this, [this] { OnFieldEdited(ctl::DECIMALS); });
        connect(spin_, &SpinControl::focusLeft, this,
                [this] { Dispatch([this] { equation_->OnDecimalsSpinKillFocus(); }); });
        break;
      }
      case ControlKind::Plot:
        plot_ = new PlotWidget(&image_, this);
        plot_->setGeometry(PlotRect());
        break;
    }
  }
}

void FormView::InitialUpdate() {
  Dispatch([this] { equation_->OnInitialUpdate(); });
}

template <typename Handler>
void FormView::Dispatch(Handler&& handler) {
  handler();
  bool modified = doc_ != nullptr && doc_->IsModified();
  if (modified != lastModified_) {
    lastModified_ = modified;
    Q_EMIT modifiedChanged(modified);
  }
}

void FormView::OnFieldEdited(int id) {
  Dispatch([this, id] {
    if (id == ctl::X_LABEL) {
      equation_->OnChangeXLabel();
    } else if (id == ctl::Y_LABEL) {
      equation_->OnChangeYLabel();
    } else if (id == ctl::PAYOFF) {
      equation_->OnChangePayoff();
    } else if (id >= ctl::LINE0 && id < ctl::LINE0 + LINE_COUNT) {
      equation_->OnChangeLine(id - ctl::LINE0);
    } else if (IsRangeField(id)) {
      equation_->OnChangeRangeField();
    }
  });
}

bool FormView::RunCommand(int commandId) {
  tessaro::CEquation& eq = *equation_;
  switch (commandId) {
    case cmd::AUTO_MAX:
      Dispatch([&eq] { eq.OnAutoMax(); });
      return true;
    case cmd::AUTO_MIN:
      Dispatch([&eq] { eq.OnAutoMin(); });
      return true;
    case cmd::AUTO_ZOOM:
      Dispatch([&eq] { eq.OnAutoZoom(); });
      return true;
    case cmd::TOGGLE_TRIM:
      Dispatch([&eq] { eq.OnToggleTrim(); });
      return true;
    case cmd::TOGGLE_LABEL:
      Dispatch([&eq] { eq.OnToggleLabel(); });
      return true;
    case cmd::TOGGLE_COLOR:
      Dispatch([&eq] { eq.OnToggleColor(); });
      return true;
    case cmd::TOGGLE_GREY:
      Dispatch([&eq] { eq.OnToggleGrey(); });
      return true;
    case cmd::TOGGLE_INTEGER_DOT:
      Dispatch([&eq] { eq.OnToggleIntegerDot(); });
      return true;
    case cmd::HOLD:
      Dispatch([&eq] { eq.OnHold(); });
      return true;
    case cmd::RESET_EQUATIONS:
      Dispatch([&eq] { eq.OnRevert(); });
      return true;
    case cmd::EDIT_UNDO:
      Dispatch([&eq] { eq.OnUndo(); });
      return true;
    case cmd::EDIT_CUT:
      Dispatch([&eq] { eq.OnEditCut(); });
      return true;
    case cmd::EDIT_COPY:
      Dispatch([&eq] { eq.OnEditCopy(); });
      return true;
    case cmd::EDIT_PASTE:
      Dispatch([&eq] { eq.OnEditPaste(); });
      return true;
    case cmd::PREVIEW_PAYOFF:
      Dispatch([&eq] { eq.OnPreviewPayoff(); });
      return true;
    case cmd::CONFIG_COLOR:
      Dispatch([&eq] { eq.OnConfigColor(); });
      return true;
    case cmd::COPY_PICTURE:
      Dispatch([&eq] { CopyPictureToClipboard(eq); });
      return true;
    case cmd::FILE_PRINT:
      Dispatch([this, &eq] { PrintWithDialog(this, eq); });
      return true;
    case cmd::FILE_PRINT_DIRECT:
      Dispatch([this, &eq] {
        std::string error;
        if (!PrintPage(SharedPrinter(), eq, error)) {
          ShowMessageBox(this, error, MsgButtons::Ok, MsgIcon::Exclamation);
        }
      });
      return true;
    default:
      return false;
  }
}

bool FormView::IsCommandChecked(int commandId) const {
  return commandId == cmd::PREVIEW_PAYOFF && equation_->previewPayoff == 1;
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

// --- ViewHost ----------------------------------------------------------------

std::string FormView::FieldText(int id) const {
  QLineEdit* edit = Field(id);
  return edit == nullptr ? std::string() : edit->text().toStdString();
}

void FormView::SetFieldText(int id, const std::string& text) {
  QLineEdit* edit = Field(id);
  if (edit == nullptr) return;
  QString value = QString::fromStdString(text);
  // An equal text is left alone, so its caret and selection stay.
  if (edit->text() == value) return;
  edit->setText(value);  // emits no textEdited: no handler runs
}

void FormView::FocusField(int id, bool selectAll) {
  QLineEdit* edit = Field(id);
  if (edit == nullptr) return;
  edit->setFocus(Qt::OtherFocusReason);
  if (selectAll) edit->selectAll();
}

MsgResult FormView::ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) {
  return ShowMessageBox(this, text, buttons, icon);
}

void FormView::SetStatusPane(int pane, const std::string& text) {
  if (pane < 0 || pane >= static_cast<int>(panes_.size())) return;
  QString value = QString::fromStdString(text);
  panes_[static_cast<std::size_t>(pane)] = value;
  Q_EMIT paneTextChanged(pane, value);
}

void FormView::StartRefreshTimer() {
  refreshTimer_.start();
}

void FormView::StopRefreshTimer() {
  refreshTimer_.stop();
}

void FormView::CreateOffscreenSurface() {
  EndOffscreenPainting();
  image_ = QImage(kImageWidth, kImageHeight, QImage::Format_RGB32);
  image_.fill(Qt::white);
}

Surface* FormView::OffscreenSurface() {
  if (image_.isNull()) return nullptr;
  if (!painter_.isActive()) {
    painter_.begin(&image_);
    painter_.setTransform(QTransform::fromTranslate(kImageOriginX, kImageOriginY));
    surface_.Begin(&painter_);
  }
  return &surface_;
}

void FormView::EndOffscreenPainting() {
  if (!painter_.isActive()) return;
  surface_.End();
  painter_.end();
}

void FormView::PresentPicture() {
  EndOffscreenPainting();
  ++presentCount_;
  // Only the plot area repaints; it is opaque, so the form behind it is
  // not painted again and the deferred refresh is not re-armed.
  if (plot_ != nullptr) plot_->update();
}

void FormView::SetSpinRange(int low, int high) {
  if (spin_ != nullptr) spin_->SetRange(low, high);
}

void FormView::SetSpinPosition(int position) {
  if (spin_ != nullptr) spin_->SetPosition(position);
}

void FormView::SendEditRequest(EditRequest request) {
  // Only a line edit understands the edit requests; any other focused
  // control (a button, the spin control) ignores them.
  auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (edit == nullptr) return;
  switch (request) {
    case EditRequest::Cut:
      edit->cut();
      break;
    case EditRequest::Copy:
      edit->copy();
      break;
    case EditRequest::Paste:
      edit->paste();
      break;
    case EditRequest::Undo:
      edit->undo();
      break;
  }
}

bool FormView::ChooseColor(const Rgb& initial, Rgb& chosen) {
  QColor color = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), this);
  if (!color.isValid()) return false;
  chosen = Rgb{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
               static_cast<std::uint8_t>(color.blue())};
  return true;
}

void FormView::CloseDocument() {
  Q_EMIT closeRequested();
}

// --- Qt events ---------------------------------------------------------------

void FormView::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // Painting the view only arms the deferred refresh; the picture itself
  // is drawn by the timer's redraw after the controls have painted.
  Dispatch([this] { equation_->OnPaint(); });
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
}

void FormView::mousePressEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  int flags = PointerFlags(*event);
  if (event->button() == Qt::LeftButton) {
    Dispatch([&] { equation_->OnLButtonDown(flags, p.x(), p.y()); });
  } else if (event->button() == Qt::RightButton) {
    Dispatch([&] { equation_->OnRButtonDown(flags, p.x(), p.y()); });
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
    Dispatch([&] { equation_->OnLButtonUp(flags, p.x(), p.y()); });
  } else if (event->button() == Qt::RightButton) {
    Dispatch([&] { equation_->OnRButtonUp(flags, p.x(), p.y()); });
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
  Dispatch([&] { equation_->OnMouseMove(flags, p.x(), p.y()); });
  event->accept();
  UpdateCursor(p.x(), p.y());
}

void FormView::UpdateCursor(int px, int py) {
  bool grab = equation_->WouldGrab(px, py);
  if (grab == grabCursor_) return;
  grabCursor_ = grab;
  setCursor(grab ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace tessaro::app
