#include "core/contrast_report.h"

#include <vector>

#include "core/contrast_suggestions.h"

namespace tl {
namespace {

std::string RatioText(double ratio) { return HundredthsText(ContrastHundredths(ratio)) + ":1"; }

const char* Verdict(double ratio, std::size_t criterion) {
  return MeetsContrast(ratio, kContrastCriteria[criterion].minimumHundredths) ? "pass" : "fail";
}

SuggestionSlot SlotOf(const std::optional<TextSuggestion>& suggestion, const char* side) {
  if (!suggestion) return {std::nullopt, std::string(side) + ": none"};
  const std::string colour = NotationText(suggestion->colour, kNotationHtml);
  return {suggestion->colour,
          std::string(side) + ' ' + colour + ' ' + RatioText(suggestion->ratio)};
}

}  // namespace

std::string SuggestionRowText(std::size_t row) {
  const ContrastCriterion& criterion = kContrastCriteria[kSuggestionRows[row]];
  return std::string(criterion.name) + ' ' + MinimumText(criterion.minimumHundredths) + ":1";
}

ContrastReport MakeContrastReport(ColourValue text, ColourValue background) {
  ContrastReport report;
  const double ratio = ContrastRatio(text, background);
  report.ratio = "Contrast ratio " + RatioText(ratio);
  for (std::size_t i = 0; i < kContrastCriteria.size(); ++i) {
    report.criteria[i] = std::string(kContrastCriteria[i].name) + " (" +
                         MinimumText(kContrastCriteria[i].minimumHundredths) +
                         ":1): " + Verdict(ratio, i);
  }
  const int lc = ApcaTenths(ApcaContrast(text, background));
  report.apca = "APCA Lc " + TenthsText(lc);
  report.apcaUse = std::string("Good for: ") + ApcaUseOf(lc);

  // A row whose minimum the pair reaches has no suggestions: it says so once.
  const std::vector<TextSuggestions> found = SuggestTextColours(text, background);
  for (std::size_t row = 0; row < kSuggestionRows.size(); ++row) {
    const int minimum = kContrastCriteria[kSuggestionRows[row]].minimumHundredths;
    SuggestionSlot& lighter = report.suggestions[row * 2];
    SuggestionSlot& darker = report.suggestions[row * 2 + 1];
    lighter = {std::nullopt, "Reached"};
    darker = {std::nullopt, ""};
    for (const TextSuggestions& suggestions : found) {
      if (suggestions.minimumHundredths != minimum) continue;
      lighter = SlotOf(suggestions.lighter, "Lighter");
      darker = SlotOf(suggestions.darker, "Darker");
    }
  }

  for (std::size_t i = 0; i < kColourVisions.size(); ++i) {
    const ColourVision vision = kColourVisions[i].vision;
    VisionSample& sample = report.visions[i];
    sample.text = SimulateVision(text, vision);
    sample.background = SimulateVision(background, vision);
    const double seen = SimulatedContrastRatio(text, background, vision);
    std::string name = kColourVisions[i].name;
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    sample.label = name + ' ' + RatioText(seen) + ", AA " + Verdict(seen, kCriterionAa);
  }
  return report;
}

}  // namespace tl
