#include "app/view_status_strip.h"

#include <QHBoxLayout>
#include <QLabel>

namespace tessaro::app {

ViewStatusStrip::ViewStatusStrip(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("viewStatusStrip"));
  setFixedHeight(kHeight);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const int widths[kPaneCount] = {kFirstPaneEnd, kSecondPaneEnd - kFirstPaneEnd, 0};
  for (int i = 0; i < kPaneCount; ++i) {
    auto* pane = new QLabel(this);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setTextFormat(Qt::PlainText);
    pane->setContentsMargins(2, 0, 2, 0);
    // A long text must not widen a fixed pane or the strip itself.
    pane->setSizePolicy(widths[i] > 0 ? QSizePolicy::Fixed : QSizePolicy::Ignored,
                        QSizePolicy::Fixed);
    if (widths[i] > 0) pane->setFixedWidth(widths[i]);
    layout->addWidget(pane, widths[i] > 0 ? 0 : 1);
    panes_[static_cast<size_t>(i)] = pane;
  }
}

QString ViewStatusStrip::PaneText(int pane) const {
  if (pane < 0 || pane >= kPaneCount) return QString();
  return panes_[static_cast<size_t>(pane)]->text();
}

QRect ViewStatusStrip::PaneRect(int pane) const {
  if (pane < 0 || pane >= kPaneCount) return QRect();
  return panes_[static_cast<size_t>(pane)]->geometry();
}

void ViewStatusStrip::SetPaneText(int pane, const QString& text) {
  if (pane < 0 || pane >= kPaneCount) return;
  panes_[static_cast<size_t>(pane)]->setText(text);
}

void ViewStatusStrip::Clear() {
  for (QLabel* pane : panes_) pane->clear();
}

}  // namespace tessaro::app
