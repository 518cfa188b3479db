#pragma once

#include <string>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "support/fake_form_window.h"
#include "support/model_edit.h"

namespace tessaro::test {

// A form view opened on its document the way the program opens one: the
// window is created, then the initial update loads the document. Fill
// `doc` before calling Open() to open a stored model.
struct OpenView {
  FakeFormWindow host;
  Document doc;
  FormController eq{host, nullptr};

  void Open() {
    eq.attach(doc);
    eq.start();
  }

  // Opens the form and names the variables x and y, as a user starts.
  void OpenLabelled() {
    Open();
    Type(ctl::X_LABEL, "x");
    Type(ctl::Y_LABEL, "y");
  }

  // Types a whole new text into a field, as the user would, and runs the
  // field's change handler.
  void Type(int id, const std::string& text) {
    host.fields[id] = text;
    eq.fieldEdited(id);
  }
};

}  // namespace tessaro::test
