#pragma once

// Shared set-up of the app tests: a document, in-memory settings and a form
// view shown on the offscreen platform, with message boxes answered through
// the seam and recorded.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/form_view.h"
#include "app/message_seam.h"
#include "doc/model_file.h"
#include "editor/form_controller.h"
#include "support/fake_form_window.h"
#include "support/model_edit.h"

namespace tessaro::app::test {

struct ShownMessage {
  std::string text;
  MsgButtons buttons;
  MsgIcon icon;
};

// Records every message box and answers it: OK, or the next scripted answer.
class MessageRecorder {
 public:
  MessageRecorder() {
    SetMessageHandler([this](QWidget*, const std::string& text, MsgButtons buttons, MsgIcon icon) {
      shown.push_back({text, buttons, icon});
      if (!answers.empty()) {
        MsgResult answer = answers.front();
        answers.erase(answers.begin());
        return answer;
      }
      return buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
    });
  }
  ~MessageRecorder() { SetMessageHandler(nullptr); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const ShownMessage& m : shown) out.push_back(m.text);
    return out;
  }
  bool Saw(const std::string& text) const {
    for (const ShownMessage& m : shown) {
      if (m.text == text) return true;
    }
    return false;
  }

  std::vector<ShownMessage> shown;
  std::vector<MsgResult> answers;
};

// A document with x and y as labels and the given constraint in line 0:
// a x + sign b y (relation) c, named "c1".
inline void AddLine(Model& doc, int line, const char* name, double a, double sign, double b,
                    double relation, double c) {
  doc.lines[static_cast<std::size_t>(line)].name = name;
  doc.lines[static_cast<std::size_t>(line)].a = a;
  doc.lines[static_cast<std::size_t>(line)].sign = sign;
  doc.lines[static_cast<std::size_t>(line)].b = b;
  doc.lines[static_cast<std::size_t>(line)].relation = RelationOfCode(relation);
  doc.lines[static_cast<std::size_t>(line)].c = c;
}

// A small production model: labels x and y, c1: 2x + 1y <= 40,
// c2: 1x + 1y <= 30, payoff 3x + 2y = 12, filled with the area colour.
inline void FillSampleModel(Model& doc) {
  doc.xLabel = "x";
  doc.yLabel = "y";
  AddLine(doc, 0, "c1", 2, 1, 1, REL_LE, 40);
  AddLine(doc, 1, "c2", 1, 1, 1, REL_LE, 30);
  doc.payoff.a = 3;
  doc.payoff.b = 2;
  doc.payoff.sign = 1;
  doc.payoff.level = 12;
  doc.fill = static_cast<FillMode>(1);
}

// A form view over its own document, shown, initialised and drawn once.
struct ShownView {
  explicit ShownView(const Model& model = Model()) : doc(model) {
    view = std::make_unique<FormView>(&doc, &settings);
    view->resize(900, 700);
    view->show();
    view->activateWindow();
    view->InitialUpdate();
  }
  // Waits for the window and the first deferred refresh.
  bool Settle() {
    if (!QTest::qWaitForWindowExposed(view.get())) return false;
    return QTest::qWaitFor([this] { return view->PresentCount() > 0; }, 5000);
  }
  QLineEdit* Field(int id) const { return view->Field(id); }
  FormController& Eq() { return view->Equation(); }
  // Runs the event loop until no refresh is pending.
  void Flush() {
    QTest::qWait(20);
    QApplication::processEvents();
  }

  Document doc;
  tessaro::test::MemorySettings settings;
  std::unique_ptr<FormView> view;
};

// Pixels of the image whose colour is exactly c.
inline int CountColor(const QImage& image, QRgb c) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF)) ++count;
    }
  }
  return count;
}

// Pixels in which red clearly dominates (the payoff line, even when smoothed).
inline int CountReddish(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      if (c.red() > 150 && c.red() > c.green() + 80 && c.red() > c.blue() + 80) ++count;
    }
  }
  return count;
}

// Pixels darker than mid grey inside a rectangle of the image.
inline int CountDark(const QImage& image, const QRect& area) {
  int count = 0;
  QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ++count;
    }
  }
  return count;
}

}  // namespace tessaro::app::test
