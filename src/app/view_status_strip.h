#pragma once

#include <QFrame>
#include <QString>
#include <array>

class QLabel;

namespace tessaro::app {

// The three-pane status strip of the active form view along the bottom of
// the main window: pane 0 the pointer position, pane 1 the dragged item,
// pane 2 the optimal decisions. The panes end at 100 and 350 pixels, the
// last one runs to the right end. The texts stay until they are replaced,
// whatever the window's size does.
class ViewStatusStrip : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kPaneCount = 3;
  static constexpr int kFirstPaneEnd = 100;
  static constexpr int kSecondPaneEnd = 350;
  static constexpr int kHeight = 20;

  explicit ViewStatusStrip(QWidget* parent = nullptr);

  QString PaneText(int pane) const;
  // The pane's rectangle within the strip.
  QRect PaneRect(int pane) const;

 public Q_SLOTS:
  void SetPaneText(int pane, const QString& text);
  void Clear();

 private:
  std::array<QLabel*, kPaneCount> panes_{};
};

}  // namespace tessaro::app
