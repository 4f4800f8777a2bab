#include "app/picking_controller.h"

#include <algorithm>
#include <utility>

#include "res/resource_ids.h"
#include "sampling/own_window.h"
#include "sampling/pointer_hook.h"

namespace tl {

void PickingController::Attach(HWND window, ReadoutView& readouts, PickerIconStatic& pickerIcon,
                               PressWatcher& pickButton, UINT dpi) {
  m_window = window;
  m_readouts = &readouts;
  m_pickerIcon = &pickerIcon;
  m_dpi = dpi;
  pickButton.onPressEnded = [this] { m_session.PressEnded(); };
  pickerIcon.onDragMove = [this](POINT point) { OnIconDragMove(point); };
  pickerIcon.onDragRelease = [this](POINT point) { OnIconDragRelease(point); };
  pickerIcon.onDragging = [this](bool dragging) {
    ShowLoupe(dragging && m_preferences.On(Switch::LoupeAtPointer));
  };
  PointerHook::SetClickKeeps(m_preferences.On(Switch::ClickKeeps));
  PointerHook::SetView(readouts.Magnifier());
  MeasureMagnifier();
  readouts.ShowZoom(ZoomLevel());
}

bool PickingController::OnMessage(UINT message, WPARAM wParam) {
  switch (message) {
    case kSampleRequest:
      OnSampleRequest();
      return true;
    case kOwnWindowPress:
      OnOwnWindowPress(wParam != 0);
      return true;
    case kZoomRequest:
      Zoom(wParam != 0);
      return true;
    case kSampleSizeRequest:
      SetSampleSize(SteppedSampleSize(SampleSize(), wParam != 0));
      return true;
    case kKeepRequest:
      // A click kept the colour under it: sampled there now, as the hook saw it.
      if (m_session.Picking() && TakeSample(PointerNow(), true, true) && onKeep) onKeep();
      return true;
    case WM_TIMER:
      if (wParam != kLoupeSettleTimer) return false;
      OnLoupeSettled();
      return true;
    default:
      return false;
  }
}

void PickingController::Toggle(Switch which) {
  const bool on = m_preferences.Toggle(which);
  if (which == Switch::ClickKeeps) PointerHook::SetClickKeeps(on);
  if (which == Switch::LoupeAtPointer) ShowLoupe(on && (m_session.Picking() || Dragging()));
  if (which == Switch::PixelGrid) RedrawMagnifier();
}

void PickingController::SetSampleSize(int size) {
  if (size == SampleSize()) return;
  m_preferences.SetSampleSize(size);
  RedrawMagnifier();
}

// A new view size or new marks: a session samples again at the pointer; without
// one the view is drawn again where the last sample was taken, and the colour
// stays.
void PickingController::RedrawMagnifier() {
  if (m_session.Picking()) {
    RequestSample();
    return;
  }
  m_sampler.Take(m_lastSamplePoint, ZoomLevel(), SampleOptions());
  m_readouts->ShowSample(m_sampler.Bitmap(), m_lastSamplePoint);
}

ScreenSampler::Options PickingController::SampleOptions() const {
  return {SampleSize(), m_preferences.On(Switch::PixelGrid)};
}

void PickingController::MeasureMagnifier() {
  const SIZE view = m_readouts->MagnifierSize();
  m_sampler.SetViewSize(view.cx, view.cy);
}

// While picking, the hook knows where the pointer is without asking the system.
POINT PickingController::PointerNow() const {
  POINT pointer{};
  if (!PointerHook::LatestPosition(pointer)) ::GetCursorPos(&pointer);
  return pointer;
}

// However many pointer moves came in since the request was posted, one sample of
// the newest point serves them all.
void PickingController::OnSampleRequest() {
  PointerHook::RequestTaken();
  TakeSample(PointerNow(), true);
}

bool PickingController::TakeSample(POINT pointer, bool skipOwnWindows, bool settle) {
  if (skipOwnWindows && IsOwnWindowAt(m_window, pointer)) return false;
  // The pointer jumped to where the loupe is: the loupe goes beside the new
  // place first, and the screen it covered is read only once the windows below
  // have painted it again; a keep waits for that, a move samples a moment later.
  if (m_loupe.Visible() && m_loupe.Covers(SourceRectAt(pointer))) {
    m_loupe.Place(SourceRectAt(pointer), ScreenRect());
    if (!settle) {
      ::SetTimer(m_window, kLoupeSettleTimer, kLoupeSettleMilliseconds, nullptr);
      m_loupeSettling = true;
      return false;
    }
    ::Sleep(kLoupeSettleMilliseconds);
  }
  const ScreenSampler::Sample sample = m_sampler.Take(pointer, ZoomLevel(), SampleOptions());
  m_lastSamplePoint = pointer;
  m_readouts->ShowSample(m_sampler.Bitmap(), pointer);
  if (m_loupe.Visible() && sample.read) {
    m_loupe.Show(m_sampler.Bitmap(), sample.colour, loupeText(sample.colour), SourceRectAt(pointer),
                 ScreenRect());
  }
  // A failed read keeps the colour we have rather than showing garbage.
  if (sample.read && onSample) onSample(sample.colour);
  return sample.read;
}

// From the view size the sampler keeps: asking the view's window for it would
// cost a trip to the system on every pointer move while the loupe shows.
Rect PickingController::SourceRectAt(POINT pointer) const {
  const SIZE view = m_sampler.ViewSize();
  return SourceRect(pointer.x, pointer.y, view.cx, view.cy, ZoomLevel());
}

Rect PickingController::ScreenRect() {
  const RECT screen = m_sampler.ScreenArea();
  return {screen.left, screen.top, screen.right, screen.bottom};
}

void PickingController::OnLoupeSettled() {
  ::KillTimer(m_window, kLoupeSettleTimer);
  if (!std::exchange(m_loupeSettling, false)) return;
  if (m_session.Picking() || Dragging()) TakeSample(PointerNow(), true);
}

void PickingController::Zoom(bool in) {
  const int largest = m_preferences.Values().maxZoomLevel;
  m_preferences.SetZoomLevel(in ? ZoomedIn(ZoomLevel(), largest) : ZoomedOut(ZoomLevel()));
  m_readouts->ShowZoom(ZoomLevel());
  if (PointerHook::Installed()) RequestSample();
}

void PickingController::OnStartHotkey() {
  if (!m_session.Picking()) return;
  // The colour kept is the one under the pointer now, not an older sample's.
  if (PointerHook::RequestPending() || m_loupeSettling) {
    PointerHook::RequestTaken();
    TakeSample(PointerNow(), true, true);
  }
  if (onKeep) onKeep();
}

bool PickingController::InstallPointerHook() {
  return PointerHook::Install(m_window, IDC_PICK_BUTTON);
}

void PickingController::RemovePointerHook() { PointerHook::Remove(); }

// A press on our own windows ends the session before the press itself arrives.
// The hook posted it from its thread; a session the stop hotkey ended meanwhile
// is not started again by it.
void PickingController::OnOwnWindowPress(bool onPickButton) {
  if (!m_session.Picking()) return;
  m_session.PressOnOwnWindow(onPickButton);
  ::SendMessageA(m_window, WM_COMMAND, kPickCommandFromProgram, 0);
}

void PickingController::RequestSample() { ::SendMessageA(m_window, kSampleRequest, 0, 0); }

void PickingController::ShowPicking(bool picking) {
  ::SetDlgItemTextA(m_window, IDC_PICK_BUTTON, picking ? "Stop" : "Pick");
  ShowLoupe(picking && m_preferences.On(Switch::LoupeAtPointer));
}

// Made when first wanted; shown at once beside the pointer, and moved by each
// sample after.
void PickingController::ShowLoupe(bool show) {
  if (!show) {
    m_loupe.Hide();
    return;
  }
  if (!m_loupe.Handle() && !m_loupe.Create(m_readouts->MagnifierSize(), m_dpi)) return;
  const ColourValue colour = m_readouts->Colour();
  m_loupe.Show(m_sampler.Bitmap(), colour, loupeText(colour), SourceRectAt(PointerNow()),
               ScreenRect());
}

// While picking or dragging, the arrow keys move the pointer by one physical
// pixel (ten with Shift), whichever control has the focus, so that a colour can
// be reached exactly; Ctrl and Alt keep the keys for their own meanings (Ctrl+Up
// zooms in). The pointer stays on the virtual screen.
bool PickingController::Nudge(WPARAM key) {
  const bool dragging = Dragging();
  if (!m_session.Picking() && !dragging) return false;
  int dx = 0, dy = 0;
  switch (key) {
    case VK_LEFT:
      dx = -1;
      break;
    case VK_RIGHT:
      dx = 1;
      break;
    case VK_UP:
      dy = -1;
      break;
    case VK_DOWN:
      dy = 1;
      break;
    default:
      return false;
  }
  if (::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) return false;
  const int step = ::GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
  POINT from{};
  if (dragging || !PointerHook::LatestPosition(from)) ::GetCursorPos(&from);
  const RECT screen = m_sampler.ScreenArea();
  const POINT to{std::clamp<LONG>(from.x + dx * step, screen.left, screen.right - 1),
                 std::clamp<LONG>(from.y + dy * step, screen.top, screen.bottom - 1)};
  ::SetCursorPos(to.x, to.y);
  if (dragging) {
    m_dragHold.Left(from.x, from.y, ::GetTickCount());
    TakeSample(to, true);
  } else {
    PointerHook::MovedTo(from, to);
    RequestSample();
  }
  return true;
}

void PickingController::OnIconDragMove(POINT point) {
  if (m_dragHold.Accept(point.x, point.y, ::GetTickCount)) TakeSample(point, true);
}

// The colour under the release point is kept. A release over our own windows, or
// where the screen cannot be read, points at no colour: the drag ends as a
// cancelled one does, rather than keeping the last colour it passed over.
void PickingController::OnIconDragRelease(POINT point) {
  if (TakeSample(point, true, true) && onKeep) onKeep();
}

// The view's new size starts black: it is drawn again at once.
void PickingController::OnDpiChanged(UINT dpi) {
  m_dpi = dpi;
  m_sampler.ReadScreenArea();
  MeasureMagnifier();
  m_readouts->ReplacePicture(m_sampler.Bitmap());
  m_loupe.Resize(m_readouts->MagnifierSize(), dpi);
  RedrawMagnifier();
}

}  // namespace tl
