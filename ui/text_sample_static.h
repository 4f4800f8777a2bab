#pragma once
// A static control that shows its own text in one colour on another, inside a
// one-pixel black frame: how a pair of colours reads (the contrast checker's
// preview and its colour vision samples).

#include <windows.h>

#include "core/colour.h"
#include "platform/subclass.h"

namespace tl {

class TextSampleStatic final : public Subclass {
 public:
  // Repaints only when a colour changes.
  void SetColours(ColourValue text, ColourValue background);
  // Not owned; null for the control's own font. Repaints.
  void SetFont(HFONT font);

  ColourValue TextColour() const { return m_text; }
  ColourValue BackgroundColour() const { return m_background; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  ColourValue m_text = kBlack;
  ColourValue m_background = kWhite;
  HFONT m_font = nullptr;
};

}  // namespace tl
