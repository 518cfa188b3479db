#include "cli/headless_host.h"

#include "render/surface.h"

namespace tessaro {

namespace {

// A surface that draws nothing: the headless commands need the model's
// results, not its picture.
class NullSurface : public Surface {
 public:
  void SelectPen(const Pen&) override {}
  void SelectBrush(const Rgb&) override {}
  void SelectDefaultBrush() override {}
  void SelectFont(const Font&) override {}
  void SetTextColor(const Rgb&) override {}
  void SetBackgroundColor(const Rgb&) override {}
  void SetTransparentBackground() override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Rectangle(int, int, int, int) override {}
  void Polygon(const std::vector<IntPoint>&) override {}
  void Ellipse(int, int, int, int) override {}
  void TextOut(int, int, const std::string&) override {}
};

}  // namespace

HeadlessHost::HeadlessHost() = default;
HeadlessHost::~HeadlessHost() = default;

std::string HeadlessHost::FieldText(int id) const {
  const auto it = fields_.find(id);
  return it == fields_.end() ? std::string() : it->second;
}

void HeadlessHost::SetFieldText(int id, const std::string& text) {
  fields_[id] = text;
}

MsgResult HeadlessHost::ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) {
  messages_.push_back({text, buttons, icon});
  return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

void HeadlessHost::SetStatusPane(int pane, const std::string& text) {
  panes_[pane] = text;
}

std::string HeadlessHost::Pane(int pane) const {
  const auto it = panes_.find(pane);
  return it == panes_.end() ? std::string() : it->second;
}

void HeadlessHost::CreateOffscreenSurface() {
  if (!surface_ && drawing_) surface_ = std::make_unique<NullSurface>();
}

void HeadlessHost::SkipDrawing() {
  drawing_ = false;
  surface_.reset();
}

Surface* HeadlessHost::OffscreenSurface() {
  return surface_.get();
}

}  // namespace tessaro
