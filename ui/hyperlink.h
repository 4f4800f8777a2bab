#pragma once
// Turns a text static of a dialog into a link: underlined text in the link
// colour, a pointing hand and a tooltip over the text, and a click (or Space
// while it has the focus) that opens the target with the desktop's handler.

#include <windows.h>

#include <string>

#include "core/link_colour.h"
#include "platform/gdi.h"
#include "platform/handles.h"
#include "platform/subclass.h"

namespace tl {

class Hyperlink final : public Subclass {
 public:
  ~Hyperlink() override;

  // What a click opens; until set, the label itself. False when it cannot be kept.
  bool SetTarget(const char* text);

  const RECT& LinkRect() const { return m_linkRect; }
  bool Visited() const { return m_visited; }

 protected:
  void OnAttached() override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void RecomputeLinkRect();
  void AddTool();
  void ReadLinkColours();
  UINT AlignmentFlags() const;
  void EraseBackground(HDC dc);
  void Paint(HDC dc);
  void Open();
  bool InLink(POINT point) const { return ::PtInRect(&m_linkRect, point) != FALSE; }
  const std::string& Text() const { return m_label.empty() ? m_target : m_label; }
  void Repaint(bool now);

  std::string m_label;  // empty when the static had no text
  std::string m_target;
  bool m_hasTarget = false;
  UniqueCursor m_handCursor;
  GdiObject<HFONT> m_linkFont;
  HFONT m_normalFont = nullptr;
  RECT m_linkRect{};
  UniqueWindow m_tooltip;
  COLORREF m_linkColour = kDefaultLinkColour;
  COLORREF m_visitedColour = kDefaultVisitedColour;
  bool m_visited = false;
};

}  // namespace tl
