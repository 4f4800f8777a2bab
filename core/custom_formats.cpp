#include "core/custom_formats.h"

#include <algorithm>
#include <utility>

namespace tl {

std::string CustomFormatError(const CustomFormat& format) {
  if (format.name.empty()) return "The format needs a name.";
  if (format.name.find('\t') != std::string::npos) return "A name cannot hold a tab.";
  if (format.templateText.empty()) return "The format needs a template.";
  std::string error;
  if (!ColourTemplate::Parse(format.templateText, error)) return "The template has " + error + ".";
  return std::string();
}

std::vector<CustomFormat> DecodeCustomFormats(const std::vector<std::string>& stored) {
  std::vector<CustomFormat> formats;
  for (const std::string& text : stored) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) continue;
    CustomFormat format{text.substr(0, tab), text.substr(tab + 1)};
    if (CustomFormatError(format).empty()) formats.push_back(std::move(format));
  }
  return formats;
}

std::vector<std::string> EncodeCustomFormats(const std::vector<CustomFormat>& formats) {
  std::vector<std::string> stored;
  for (const CustomFormat& format : formats)
    stored.push_back(format.name + '\t' + format.templateText);
  return stored;
}

FormatList::FormatList(const std::vector<CustomFormat>& custom) {
  for (const CustomFormat& format : custom) {
    std::string error;
    if (std::optional<ColourTemplate> parsed = ColourTemplate::Parse(format.templateText, error);
        parsed && CustomFormatError(format).empty()) {
      m_custom.push_back(format);
      m_templates.push_back(std::move(*parsed));
    }
  }
}

std::string FormatList::NameAt(std::size_t row) const {
  if (row < kNotationTable.size()) return kNotationTable[row].name;
  row -= kNotationTable.size();
  return row < m_custom.size() ? m_custom[row].name : std::string();
}

int FormatList::IdAt(std::size_t row) const {
  if (row < kNotationTable.size()) return kNotationTable[row].id;
  return row < Count() ? CustomNotationId(row - kNotationTable.size()) : -1;
}

int FormatList::RowOf(int id) const {
  if (id >= kFirstCustomNotation) {
    const auto index = static_cast<std::size_t>(id - kFirstCustomNotation);
    return index < m_custom.size() ? static_cast<int>(kNotationTable.size() + index) : -1;
  }
  return NotationRowOf(id);
}

std::string FormatList::Text(ColourValue colour, int id) const {
  if (id < kFirstCustomNotation) return NotationText(colour, id);
  const auto index = static_cast<std::size_t>(id - kFirstCustomNotation);
  return index < m_templates.size() ? m_templates[index].Format(colour) : std::string();
}

CustomFormatEditor::CustomFormatEditor(std::vector<CustomFormat> formats)
    : m_formats(std::move(formats)) {
  for (std::size_t i = 0; i < m_formats.size(); ++i) m_origins.push_back(static_cast<int>(i));
}

std::string CustomFormatEditor::Add(const CustomFormat& format) {
  std::string error = CustomFormatError(format);
  if (error.empty()) {
    m_formats.push_back(format);
    m_origins.push_back(-1);
  }
  return error;
}

std::string CustomFormatEditor::Change(std::size_t index, const CustomFormat& format) {
  std::string error = CustomFormatError(format);
  if (error.empty() && index < m_formats.size()) m_formats[index] = format;
  return error;
}

void CustomFormatEditor::Remove(std::size_t index) {
  if (index >= m_formats.size()) return;
  m_formats.erase(m_formats.begin() + static_cast<std::ptrdiff_t>(index));
  m_origins.erase(m_origins.begin() + static_cast<std::ptrdiff_t>(index));
}

bool CustomFormatEditor::Move(std::size_t index, bool up) {
  if (index >= m_formats.size() || (up ? index == 0 : index + 1 >= m_formats.size())) return false;
  const std::size_t other = up ? index - 1 : index + 1;
  std::swap(m_formats[index], m_formats[other]);
  std::swap(m_origins[index], m_origins[other]);
  return true;
}

int CustomFormatEditor::NotationAfter(int notationBefore) const {
  if (notationBefore < kFirstCustomNotation) return notationBefore;
  const auto found =
      std::find(m_origins.begin(), m_origins.end(), notationBefore - kFirstCustomNotation);
  if (found == m_origins.end()) return kNotationRgb;
  return CustomNotationId(static_cast<std::size_t>(found - m_origins.begin()));
}

}  // namespace tl
