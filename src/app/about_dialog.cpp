#include "app/about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/toolbar_icons.h"
#include "model/saturate.h"

namespace tessaro::app {

namespace {

// Dialog units to pixels, as the form converts them.
constexpr double kPixelsPerUnitX = 1.5;
constexpr double kPixelsPerUnitY = 1.625;
constexpr int kWidthUnits = 336;
constexpr int kHeightUnits = 134;
constexpr int kPictureSize = 64;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Tessaro"));
  setFixedSize(SaturateToInt(kWidthUnits * kPixelsPerUnitX),
               SaturateToInt(kHeightUnits * kPixelsPerUnitY));

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setPixmap(ProgramIcon().pixmap(kPictureSize, kPictureSize));
  auto* name = new QLabel(QStringLiteral("Tessaro"), this);
  name->setObjectName(QStringLiteral("name"));
  auto* version = new QLabel(QStringLiteral("Version 2.6"), this);
  version->setObjectName(QStringLiteral("version"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setHorizontalSpacing(20);
  layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(name, 0, 1);
  layout->addWidget(version, 1, 1);
  layout->addWidget(ok, 0, 2, Qt::AlignTop);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(2, 1);
}

}  // namespace tessaro::app
