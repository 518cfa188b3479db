#pragma once

#include "editor/form_controller.h"
#include "support/fake_form_window.h"

namespace tessaro::test {

// Puts the document's model on the form as opening it in a window does:
// the fields show it and the deferred refresh sets the far bounds from its
// ranges. What the window recorded on the way is forgotten, so that a test
// sees only what its own steps do.
inline void ShowOnForm(FormController& eq, FakeFormWindow& host) {
  host.offscreenCreated = true;
  eq.start();
  eq.refreshTimerFired();
  host.surface.Clear();
  host.presents = 0;
  host.messages.clear();
  host.panes.clear();
  host.fieldWrites = 0;
  host.timerStarts = 0;
}

}  // namespace tessaro::test
