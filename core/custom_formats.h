#pragma once
// Formats of the user's own, beside the built-in notations: how they are stored
// (CustomFormats, REG_MULTI_SZ: one string per format, its name, a tab, its
// template), the ids they take as notations, and their editing. Portable.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"
#include "core/colour_template.h"

namespace tl {

struct CustomFormat {
  std::string name;
  std::string templateText;
};

// A custom format's notation id is this plus its place in the list: far from the
// built-in ids (0, 1, 100 and up), and a stored id past the list's end reads as RGB.
constexpr int kFirstCustomNotation = 1000;
constexpr int CustomNotationId(std::size_t index) {
  return kFirstCustomNotation + static_cast<int>(index);
}

// Why a format cannot be kept ("" when it can): an empty name, a tab in the name,
// an empty template or one that does not parse (naming the unknown token).
std::string CustomFormatError(const CustomFormat& format);

// The stored strings: "name<TAB>template". A string without a tab, or one whose
// format has an error, is left out.
std::vector<CustomFormat> DecodeCustomFormats(const std::vector<std::string>& stored);
std::vector<std::string> EncodeCustomFormats(const std::vector<CustomFormat>& formats);

// The format box's rows: the built-in notations, then the custom formats.
class FormatList {
 public:
  FormatList() = default;
  // Formats with an error are left out.
  explicit FormatList(const std::vector<CustomFormat>& custom);

  std::size_t Count() const { return kNotationTable.size() + m_custom.size(); }
  std::string NameAt(std::size_t row) const;
  int IdAt(std::size_t row) const;
  // -1 when no row has the id.
  int RowOf(int id) const;
  // The colour in a notation or a custom format; an unknown id gives "".
  std::string Text(ColourValue colour, int id) const;
  const std::vector<CustomFormat>& Custom() const { return m_custom; }

 private:
  std::vector<CustomFormat> m_custom;
  std::vector<ColourTemplate> m_templates;
};

// A copy of the custom formats being added to, changed, reordered and removed,
// which follows each format from where it stood, so that a chosen one stays
// chosen wherever it goes.
class CustomFormatEditor {
 public:
  explicit CustomFormatEditor(std::vector<CustomFormat> formats);

  const std::vector<CustomFormat>& Formats() const { return m_formats; }
  // Each returns the format's error and changes nothing when it has one.
  std::string Add(const CustomFormat& format);
  std::string Change(std::size_t index, const CustomFormat& format);
  void Remove(std::size_t index);
  // One place up or down; false at the list's end.
  bool Move(std::size_t index, bool up);

  // What a notation chosen before the editing is now: built-in ones stay, a
  // custom one follows its format, and one whose format was removed is RGB.
  int NotationAfter(int notationBefore) const;

 private:
  std::vector<CustomFormat> m_formats;
  std::vector<int> m_origins;  // each format's index before the editing, -1 for a new one
};

}  // namespace tl
