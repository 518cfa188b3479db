#pragma once

#include <QDialog>

namespace tessaro::app {

// The About box: the program's picture, "Tessaro", "Version 2.6" and an
// OK button that closes it. 336 x 134 dialog units.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace tessaro::app
