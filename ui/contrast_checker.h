#pragma once
// The Contrast Checker: a modeless window, owned by the main window, that tells
// how a text colour reads on a background (the WCAG 2 ratio and its criteria,
// APCA's Lc, a preview, passing colours to try, and the pair as four kinds of
// colour vision see it). Text follows the current colour while "Follow the
// current colour" is ticked; setting Text by hand (typing, Swap, a suggestion)
// unticks it, so that the next pointer move does not undo the choice.
// Closing only hides it, so it opens again where it was, with its colours.

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "core/colour.h"
#include "core/contrast_report.h"
#include "platform/dialog.h"
#include "platform/gdi.h"
#include "platform/message_loop.h"
#include "ui/framed_fill_static.h"
#include "ui/label.h"
#include "ui/text_sample_static.h"

namespace tl {

class ContrastChecker final : public Dialog, public MessageFilter {
 public:
  ContrastChecker() = default;
  ~ContrastChecker() override;

  // The user keeps the text colour: the owner puts it on top of the list.
  std::function<void(ColourValue)> onKeep;

  // Shows the window and brings it forward. The first call makes it, owned by
  // `owner`, with Text the current colour and Background white, centred on the
  // owner; later calls show it where it was left. False when it cannot be made.
  bool Open(HWND owner, MessageLoop& loop, ColourValue current);
  // Called on every change of the current colour, also while picking: costs a
  // comparison unless Text follows it and it is another colour.
  void OnCurrentColour(ColourValue current);
  void SetBackground(ColourValue colour);

  bool IsOpen() const { return m_open; }
  bool Following() const { return m_following; }
  ColourValue TextColour() const { return m_text; }
  ColourValue BackgroundColour() const { return m_background; }

  bool PreTranslateMessage(MSG& message) override;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnInitDialog();
  bool OnCommand(int id, int code);
  void OnTyped(bool textBox);
  void SetTextColour(ColourValue colour, bool byHand);
  void SetFollowing(bool following);
  void Swap();
  void Hide();
  void WriteBox(Label& box, ColourValue colour);
  void ShowReport();
  void MakeFonts(UINT dpi);

  MessageLoop* m_loop = nullptr;
  ColourValue m_current = kWhite;
  ColourValue m_text = kWhite;
  ColourValue m_background = kWhite;
  bool m_following = true;
  bool m_open = false;
  bool m_writingBox = false;  // our own text in a box is not the user typing

  FramedFillStatic m_textSwatch;
  FramedFillStatic m_backgroundSwatch;
  Label m_textBox;
  Label m_backgroundBox;
  Label m_textNote;
  Label m_backgroundNote;
  Label m_ratio;
  std::array<Label, kContrastCriteria.size()> m_criteria;
  Label m_apca;
  Label m_apcaUse;
  TextSampleStatic m_normalPreview;
  TextSampleStatic m_largePreview;
  std::array<FramedFillStatic, kSuggestionSlots> m_suggestionSwatches;
  std::array<Label, kSuggestionSlots> m_suggestionTexts;
  std::array<std::optional<ColourValue>, kSuggestionSlots> m_suggested;
  std::array<TextSampleStatic, kColourVisions.size()> m_visionSamples;
  std::array<Label, kColourVisions.size()> m_visionTexts;
  GdiObject<HFONT> m_normalFont;
  GdiObject<HFONT> m_largeFont;
};

}  // namespace tl
