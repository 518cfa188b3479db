#pragma once

#include <map>
#include <string>
#include <vector>

#include "editor/form_window.h"
#include "render/counting_surface.h"
#include "render/surface.h"

namespace tessaro::bench {

// A window for one form view: field texts in a map, message boxes answered
// with OK, the offscreen surface supplied by the benchmark.
class BenchHost : public FormWindow {
 public:
  explicit BenchHost(Surface& surface) : surface_(surface) {}

  std::map<int, std::string> fields;
  std::string lastMessage;
  int messageCount = 0;
  std::string panes[3];
  int presents = 0;

  std::string FieldText(int id) const override {
    auto it = fields.find(id);
    return it == fields.end() ? std::string() : it->second;
  }
  void SetFieldText(int id, const std::string& text) override { fields[id] = text; }
  bool FormReady() const override { return true; }
  void FocusField(int, bool) override {}
  void SetFieldNotice(int, const std::string&) override {}
  MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon) override {
    lastMessage = text;
    ++messageCount;
    return buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
  }
  void SetStatusPane(int pane, const std::string& text) override {
    if (pane >= 0 && pane < 3) panes[pane] = text;
  }
  void StartRefreshTimer() override {}
  void StopRefreshTimer() override {}
  void CreateOffscreenSurface() override { created_ = true; }
  Surface* OffscreenSurface() override { return created_ ? &surface_ : nullptr; }
  // The Qt form copies its image here; a benchmark that paints into a
  // real image counts the presents instead.
  void PresentPicture() override { ++presents; }
  void SetSpinRange(int, int) override {}
  void SetSpinPosition(int) override {}
  void SendEditRequest(EditRequest) override {}
  bool ChooseColor(const Rgb&, Rgb&) override { return false; }
  void CloseDocument() override {}

 private:
  Surface& surface_;
  bool created_ = false;
};

}  // namespace tessaro::bench
