#pragma once
// The window side of the field panel and of a mode set-up. The Qt main
// window implements it; headless runs leave AppState::panel null.
namespace tk {

struct AppState;

class FieldPanelView {
public:
  virtual ~FieldPanelView() = default;
  // Ticks and widths of the panel into FldTable (fields 1..fieldCount).
  virtual void readFieldPanel(AppState& state) = 0;
  // FldTable into the panel: visibility, ticks, captions, bold popups, widths.
  virtual void showFieldPanel(const AppState& state) = 0;
  // Mode set-up, before anything changes: hide the panel.
  virtual void beginModeSetup() = 0;
  // Mode set-up, at the end: hide field controls, show fields 1..fieldCount,
  // status panel, button captions, window sizes, show the panel again.
  virtual void finishModeSetup(const AppState& state) = 0;
};

}  // namespace tk
