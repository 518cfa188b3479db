// Option > Config Color: the colour picker answered through its seam, the
// settings file in the user's configuration folder, and the fill of this
// view, of the other open views and of views opened afterwards.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "app/child_window.h"
#include "app/dialog_seam.h"
#include "app/form_view.h"
#include "app/qt_settings_store.h"
#include "editor/form_controller.h"
#include "model/constants.h"
#include "shell_test_support.h"

using namespace tessaro;
using namespace tessaro::app;
using namespace tessaro::app::test;

namespace {

constexpr QRgb kDefaultFill = 0xC8FEC8;  // RGB(200, 254, 200)
constexpr QRgb kChosenFill = 0xFF0080;   // RGB(255, 0, 128)

int PixelsOf(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == colour) ++count;
    }
  }
  return count;
}

// The sample model with the area filled in the configured colour.
Model FilledModel() {
  Model doc = SampleDocument();
  doc.fill = static_cast<FillMode>(1);
  return doc;
}

// The colour sections of the settings file, from the first one to the end
// (the recent-file list, which opening files writes, comes before them).
QString ColourSections(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  const QString text = QString::fromUtf8(file.readAll());
  const qsizetype start = text.indexOf(QStringLiteral("[KVR1Configuration]"));
  if (start < 0) return QString();
  // The recent-file list may follow the colours.
  const qsizetype end = text.indexOf(QStringLiteral("\n[Recent"), start);
  return text.mid(start, end < 0 ? -1 : end - start);
}

// Answers the colour picker and records the colour it was opened with.
class ColorScript {
 public:
  ColorScript(bool accept, QColor answer) {
    SetColorHandler([this, accept, answer](QWidget*, const QColor& initial, QColor& chosen) {
      initials.append(initial);
      if (accept) chosen = answer;
      return accept;
    });
  }
  ~ColorScript() { SetColorHandler(nullptr); }
  ColorScript(const ColorScript&) = delete;
  ColorScript& operator=(const ColorScript&) = delete;

  QList<QColor> initials;
};

}  // namespace

class ConfigColorTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir config_;
  QTemporaryDir models_;
  QByteArray savedConfigHome_;
  QString ini_;

 private Q_SLOTS:
  void initTestCase() {
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    ini_ = config_.filePath(QStringLiteral("Tessaro/Tessaro.ini"));
    QVERIFY(WriteModel(models_.filePath(QStringLiteral("a.kvr")), FilledModel()));
    QVERIFY(WriteModel(models_.filePath(QStringLiteral("b.kvr")), FilledModel()));
    QVERIFY(WriteModel(models_.filePath(QStringLiteral("c.kvr")), FilledModel()));
  }
  void cleanupTestCase() { qputenv("XDG_CONFIG_HOME", savedConfigHome_); }
  void init() { QDir(config_.filePath(QStringLiteral("Tessaro"))).removeRecursively(); }

  void choosingAColourStoresAndShowsIt_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QRgb>("fill");
    QTest::newRow("OK with RGB(255, 0, 128)")
        << true
        << "[KVR1Configuration]\nfcolorR=255\n\n[KVR2Configuration]\nfcolorG=0\n\n"
           "[KVR3Configuration]\nfcolorB=128\n"
        << kChosenFill;
    QTest::newRow("Cancel changes nothing") << false << "" << kDefaultFill;
  }
  void choosingAColourStoresAndShowsIt() {
    QFETCH(bool, accept);
    QFETCH(QString, stored);
    QFETCH(QRgb, fill);
    BoxScript boxes;
    ColorScript picker(accept, QColor(255, 0, 128));
    // The program's own settings file, in the user's configuration folder.
    MainWindow window;
    QCOMPARE(window.Settings().FilePath(), ini_);
    QVERIFY(window.StartUp(models_.filePath(QStringLiteral("a.kvr"))));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FormView* first = window.ActiveView();
    QTRY_VERIFY(first->PresentCount() > 0);
    QVERIFY(window.Documents().OpenDocument(models_.filePath(QStringLiteral("b.kvr"))));
    FormView* second = window.ActiveView();
    QVERIFY(second != first);
    QTRY_VERIFY(second->PresentCount() > 0);
    QVERIFY(PixelsOf(second->OffscreenImage(), kDefaultFill) > 1000);

    QAction* item = MenuAction(window, cmd::CONFIG_COLOR);
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    const int presented = second->PresentCount();
    item->trigger();

    // The picker opens on the colour in use.
    QCOMPARE(picker.initials, QList<QColor>{QColor(200, 254, 200)});
    QCOMPARE(ColourSections(ini_), stored);
    QVERIFY(boxes.texts.isEmpty());
    // This view is drawn again at once in the new colour.
    QCOMPARE(second->PresentCount() > presented, accept);
    QVERIFY(PixelsOf(second->OffscreenImage(), fill) > 1000);
    QCOMPARE(window.Documents().Active()->IsModified(), false);

    // The other open view takes it at its next redraw.
    first->Equation().redraw();
    QVERIFY(PixelsOf(first->OffscreenImage(), fill) > 1000);

    // A document opened afterwards reads the colour back from the file.
    QVERIFY(window.Documents().OpenDocument(models_.filePath(QStringLiteral("c.kvr"))));
    FormView* third = window.ActiveView();
    QTRY_VERIFY(third->PresentCount() > 0);
    QVERIFY(PixelsOf(third->OffscreenImage(), fill) > 1000);
    QCOMPARE(ColourSections(ini_), stored);  // reading wrote nothing

    for (ChildWindow* child : window.Documents().Documents()) child->CloseWithoutAsking();
  }
};

QTEST_MAIN(ConfigColorTest)
#include "config_color_test.moc"
