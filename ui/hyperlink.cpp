#include "ui/hyperlink.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstring>
#include <vector>

#include "platform/handles.h"
#include "platform/module.h"
#include "ui/tooltip_relay.h"
#include "platform/shell.h"
#include "core/hand_cursor.h"
#include "core/link_colour.h"

namespace tl {
namespace {

constexpr UINT_PTR kToolId = 1;

COLORREF ReadColourValue(HKEY key, const char* name, COLORREF fallback) {
  char data[kLinkColourValueSize] = {};
  DWORD size = sizeof data;
  if (::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) !=
      ERROR_SUCCESS) {
    return fallback;
  }
  return ParseLinkColour(data, size, fallback);
}

}  // namespace

// Detached before the cursor goes, so no message finds it gone.
Hyperlink::~Hyperlink() { Detach(); }

bool Hyperlink::SetTarget(const char* text) {
  m_hasTarget = text != nullptr;
  m_target = text ? text : "";
  if (m_label.empty()) RecomputeLinkRect();
  if (::IsWindow(m_tooltip.Get())) AddTool();
  return m_hasTarget;
}

void Hyperlink::OnAttached() {
  const HWND window = Handle();
  char className[8] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (::lstrcmpiA(className, "static") == 0) {
    // A static only sees the mouse when it notifies its parent.
    const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
    if (!(style & SS_NOTIFY)) ::SetWindowLongPtrA(window, GWL_STYLE, style | SS_NOTIFY);
  }

  const MonochromeCursor hand = HandCursor();
  m_handCursor.Reset(::CreateCursor(Module::Instance(), hand.hotX, hand.hotY, hand.kSize,
                                    hand.kSize, hand.andMask.data(), hand.xorMask.data()));

  m_normalFont = reinterpret_cast<HFONT>(::SendMessageA(::GetParent(window), WM_GETFONT, 0, 0));
  if (!m_normalFont) m_normalFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
  LOGFONTA font{};
  ::GetObjectA(m_normalFont, sizeof font, &font);
  font.lfUnderline = TRUE;
  m_linkFont.Reset(::CreateFontIndirectA(&font));

  m_tooltip.Reset(::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                                    0, window, nullptr, Module::Instance(), nullptr));

  if (m_label.empty()) {
    const int length = ::GetWindowTextLengthA(window);
    if (length > 0) {
      std::vector<char> text(static_cast<std::size_t>(length) + 1);
      ::GetWindowTextA(window, text.data(), length + 1);
      m_label = text.data();
      RecomputeLinkRect();
      ::SetWindowTextA(window, m_label.c_str());
    }
  }
  RecomputeLinkRect();
  if (!m_hasTarget) {
    if (!m_label.empty()) {
      SetTarget(m_label.c_str());
    } else {
      AddTool();
    }
  }
  ReadLinkColours();
}

// The tooltip shows the target over the link's text only. A link has one tool:
// a new target replaces the old one rather than adding a second tool with the
// same id, which the tooltip would never show.
void Hyperlink::AddTool() {
  ::SendMessageA(m_tooltip.Get(), TTM_ACTIVATE, TRUE, 0);
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = Handle();
  tool.uId = kToolId;
  ::SendMessageA(m_tooltip.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  tool.rect = m_linkRect;
  tool.hinst = Module::Instance();
  tool.lpszText = m_hasTarget ? m_target.data() : nullptr;
  ::SendMessageA(m_tooltip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The user's browser colours, when they have set any. Only read, so read access
// is all that is asked for.
void Hyperlink::ReadLinkColours() {
  UniqueKey key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Settings", 0,
                      KEY_READ, key.Put()) != ERROR_SUCCESS) {
    return;
  }
  m_linkColour = ReadColourValue(key.Get(), "Anchor Color", m_linkColour);
  m_visitedColour = ReadColourValue(key.Get(), "Anchor Color Visited", m_visitedColour);
}

UINT Hyperlink::AlignmentFlags() const {
  const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE) & SS_TYPEMASK;
  if (style == SS_CENTER) return DT_CENTER;
  if (style == SS_RIGHT) return DT_RIGHT;
  return 0;
}

// The hit area is the text itself, not the whole control.
void Hyperlink::RecomputeLinkRect() {
  if (!::IsWindow(Handle()) || (m_label.empty() && !m_hasTarget)) return;
  const WindowDC dc(Handle());
  RECT client{};
  ::GetClientRect(Handle(), &client);
  m_linkRect = client;
  const UINT alignment = AlignmentFlags();
  {
    const SelectGuard font(dc.Get(), m_linkFont.Get());
    ::DrawTextA(dc.Get(), Text().c_str(), -1, &m_linkRect, DT_CALCRECT | DT_WORDBREAK | alignment);
  }
  const int slack = client.right - m_linkRect.right;
  const int shift = alignment == DT_CENTER ? slack / 2 : alignment == DT_RIGHT ? slack : 0;
  ::OffsetRect(&m_linkRect, shift, 0);
}

void Hyperlink::EraseBackground(HDC dc) {
  const auto brush = reinterpret_cast<HBRUSH>(
      ::SendMessageA(::GetParent(Handle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Handle())));
  if (!brush) return;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  ::FillRect(dc, &client, brush);
}

void Hyperlink::Paint(HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  const COLORREF colour = !::IsWindowEnabled(Handle()) ? ::GetSysColor(COLOR_GRAYTEXT)
                          : m_visited                  ? m_visitedColour
                                                       : m_linkColour;
  const COLORREF oldColour = ::SetTextColor(dc, colour);
  {
    const SelectGuard font(dc, m_linkFont.Get());
    RECT rect = m_linkRect;
    ::DrawTextA(dc, Text().c_str(), -1, &rect, DT_WORDBREAK | AlignmentFlags());
    if (::GetFocus() == Handle()) ::DrawFocusRect(dc, &m_linkRect);
  }
  ::SetTextColor(dc, oldColour);
}

void Hyperlink::Open() {
  if (!m_hasTarget || !OpenWithShell(m_target.c_str())) return;  // a failure is not reported
  m_visited = true;
  Repaint(false);
}

void Hyperlink::Repaint(bool now) {
  ::InvalidateRect(Handle(), nullptr, TRUE);
  if (now) ::UpdateWindow(Handle());
}

LRESULT Hyperlink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  RelayToTooltip(m_tooltip.Get(), Handle(), message, wParam, lParam);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_DESTROY:
      m_tooltip.Reset();
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (wParam) {
        EraseBackground(reinterpret_cast<HDC>(wParam));
        Paint(reinterpret_cast<HDC>(wParam));
      } else {
        const PaintDC dc(Handle());
        EraseBackground(dc.Get());
        Paint(dc.Get());
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting erases, without flicker
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Repaint(false);
      return 0;
    case WM_ENABLE:
      Repaint(true);
      return 0;
    case WM_SIZE:
      RecomputeLinkRect();
      Repaint(false);
      return 0;
    case WM_SETFONT:
      m_normalFont = reinterpret_cast<HFONT>(wParam);
      if (lParam) Repaint(true);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(m_normalFont);
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS;
    case WM_CHAR:
      if (wParam == '\r' || wParam == ' ') Open();
      return 0;
    case WM_SETCURSOR: {
      POINT pointer{};
      ::GetCursorPos(&pointer);
      ::ScreenToClient(Handle(), &pointer);
      if (m_hasTarget && InLink(pointer)) return TRUE;  // keep the hand
      break;
    }
    case WM_MOUSEMOVE:
      if (m_hasTarget && InLink(point)) {
        ::SetCursor(m_handCursor.Get());
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      if (InLink(point)) {
        ::SetFocus(Handle());
        ::SetCapture(Handle());
      }
      return 0;
    case WM_LBUTTONUP:
      // Only a press and a release both on the link open it.
      if (::GetCapture() == Handle()) {
        ::ReleaseCapture();
        if (InLink(point)) Open();
      }
      return 0;
    case WM_UPDATEUISTATE:
      return 0;
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}

}  // namespace tl
