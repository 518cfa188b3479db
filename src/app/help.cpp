#include "app/help.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/message_seam.h"

namespace tessaro::app {

namespace {

constexpr const char* kPageInTree = "share/tessaro/help/index.html";

}  // namespace

QString FindHelpFile(const QString& programDir) {
  const QDir dir(programDir);
  const QString page = QString::fromLatin1(kPageInTree);
  for (const QString& candidate :
       {dir.filePath(QStringLiteral("../") + page), dir.filePath(page)}) {
    const QFileInfo info(candidate);
    if (info.isFile()) return info.canonicalFilePath();
  }
  return QString();
}

void ShowHelpMissing(QWidget* parent) {
  ShowMessageBox(parent,
                 "The help page share/tessaro/help/index.html was not found beside the program.",
                 MsgButtons::Ok, MsgIcon::Exclamation);
}

HelpWindow::HelpWindow(const QString& pagePath, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Tessaro Help"));
  setModal(false);
  resize(760, 640);
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl::fromLocalFile(pagePath));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
}

}  // namespace tessaro::app
