#pragma once
// Turns a text static of a dialog into a link: underlined text in the link
// colour, a pointing hand and a tooltip over the text, and a click (or Space
// while it has the focus) that opens the target with the desktop's handler.

#include <windows.h>

#include <string>

#include "platform/gdi.h"
#include "platform/handles.h"
#include "platform/subclass.h"

namespace tl {

class Hyperlink final : public Subclass {
 public:
  ~Hyperlink() override;

  // What a click opens; until set, the label itself. False when it cannot be kept.
  bool SetTarget(const char* text);

  const RECT& LinkRect() const { return linkRect; }
  bool Visited() const { return visited; }

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
  bool InLink(POINT point) const { return ::PtInRect(&linkRect, point) != FALSE; }
  const std::string& Text() const { return label.empty() ? target : label; }
  void Repaint(bool now);

  std::string label;   // empty when the static had no text
  std::string target;
  bool hasTarget = false;
  UniqueCursor handCursor;
  GdiObject<HFONT> linkFont;
  HFONT normalFont = nullptr;
  RECT linkRect{};
  HWND tooltipWindow = nullptr;
  COLORREF linkColour = 0x00FF0000;
  COLORREF visitedColour = 0x00800080;
  bool visited = false;
};

}  // namespace tl
