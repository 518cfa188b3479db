#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/form_window.h"

namespace tessaro {

// A window for FormController with no screen: field texts are kept in memory,
// drawing goes nowhere and message boxes are recorded instead of shown.
// Questions are answered with Cancel, so nothing is changed by an answer
// nobody gave; a plain OK box is answered OK.
class HeadlessHost : public FormWindow {
 public:
  struct Message {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
  };

  HeadlessHost();
  ~HeadlessHost() override;

  std::string FieldText(int id) const override;
  void SetFieldText(int id, const std::string& text) override;
  bool FormReady() const override { return true; }
  void FocusField(int, bool) override {}
  void SetFieldNotice(int, const std::string&) override {}
  MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  void SetStatusPane(int pane, const std::string& text) override;
  void StartRefreshTimer() override { timerRunning_ = true; }
  void StopRefreshTimer() override { timerRunning_ = false; }
  void CreateOffscreenSurface() override;
  Surface* OffscreenSurface() override;
  void PresentPicture() override {}
  void SetSpinRange(int, int) override {}
  void SetSpinPosition(int) override {}
  void SendEditRequest(EditRequest) override {}
  bool ChooseColor(const Rgb&, Rgb&) override { return false; }
  void CloseDocument() override { closed_ = true; }

  // From now on the view skips the picture and the results pane; the solve
  // itself does not depend on them.
  void SkipDrawing();

  const std::vector<Message>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  std::string Pane(int pane) const;
  bool TimerRunning() const { return timerRunning_; }
  bool Closed() const { return closed_; }

 private:
  std::map<int, std::string> fields_;
  std::map<int, std::string> panes_;
  std::vector<Message> messages_;
  std::unique_ptr<Surface> surface_;
  bool timerRunning_ = false;
  bool closed_ = false;
  bool drawing_ = true;
};

}  // namespace tessaro
