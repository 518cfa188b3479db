#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "editor/form_window.h"
#include "model/settings_store.h"
#include "render/recording_surface.h"

namespace tessaro::test {

// A window for FormController without any platform: field texts in a map,
// message boxes recorded and answered from a script, the offscreen surface
// a recording one.
class FakeFormWindow : public FormWindow {
 public:
  struct Message {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
  };

  std::map<int, std::string> fields;
  bool formReady = true;
  int focusedField = 0;
  bool focusSelectedAll = false;
  std::vector<Message> messages;
  // The notice each marked field shows; a cleared notice is removed.
  std::map<int, std::string> notices;
  // Answers given to message boxes in order; when empty, Ok/Yes is answered.
  std::deque<MsgResult> answers;
  std::map<int, std::string> panes;
  bool timerRunning = false;
  int timerStarts = 0;
  bool offscreenCreated = false;
  RecordingSurface surface;
  int presents = 0;
  int spinLow = 0;
  int spinHigh = 0;
  int spinPosition = 0;
  std::vector<EditRequest> editRequests;
  bool closed = false;
  bool colorChosen = false;  // answer of the colour picker
  Rgb colorToChoose;
  Rgb colorInitial;
  int fieldWrites = 0;

  std::string FieldText(int id) const override {
    auto it = fields.find(id);
    return it == fields.end() ? std::string() : it->second;
  }
  void SetFieldText(int id, const std::string& text) override {
    ++fieldWrites;
    fields[id] = text;
  }
  bool FormReady() const override { return formReady; }
  void FocusField(int id, bool selectAll) override {
    focusedField = id;
    focusSelectedAll = selectAll;
  }
  void SetFieldNotice(int id, const std::string& reason) override {
    if (reason.empty()) {
      notices.erase(id);
    } else {
      notices[id] = reason;
    }
  }
  MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override {
    messages.push_back({text, buttons, icon});
    if (!answers.empty()) {
      MsgResult r = answers.front();
      answers.pop_front();
      return r;
    }
    return buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
  }
  void SetStatusPane(int pane, const std::string& text) override { panes[pane] = text; }
  void StartRefreshTimer() override {
    timerRunning = true;
    ++timerStarts;
  }
  void StopRefreshTimer() override { timerRunning = false; }
  void CreateOffscreenSurface() override { offscreenCreated = true; }
  Surface* OffscreenSurface() override { return offscreenCreated ? &surface : nullptr; }
  void PresentPicture() override { ++presents; }
  void SetSpinRange(int low, int high) override {
    spinLow = low;
    spinHigh = high;
  }
  void SetSpinPosition(int position) override { spinPosition = position; }
  void SendEditRequest(EditRequest request) override { editRequests.push_back(request); }
  bool ChooseColor(const Rgb& initial, Rgb& chosen) override {
    colorInitial = initial;
    if (colorChosen) chosen = colorToChoose;
    return colorChosen;
  }
  void CloseDocument() override { closed = true; }

  // Texts of the messages shown so far.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> out;
    for (const Message& m : messages) out.push_back(m.text);
    return out;
  }
};

// Settings held in memory.
class MemorySettings : public SettingsStore {
 public:
  std::map<std::pair<std::string, std::string>, std::string> values;
  std::vector<std::string> writeOrder;  // "section/key=value" in order

  std::string Read(const std::string& section, const std::string& key,
                   const std::string& fallback) const override {
    auto it = values.find({section, key});
    return it == values.end() ? fallback : it->second;
  }
  void Write(const std::string& section, const std::string& key,
             const std::string& value) override {
    values[{section, key}] = value;
    writeOrder.push_back(section + "/" + key + "=" + value);
  }
};

}  // namespace tessaro::test
