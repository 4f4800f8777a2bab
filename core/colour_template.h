#pragma once
// Formats of the user's own: a template such as "#{rx}{gx}{bx}" or
// "hsl({h}deg {sl}% {l}%)" that a colour is written into. Portable.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"

namespace tl {

class ColourTemplate {
 public:
  // The template checked once: none, with the reason in `error`, when it holds
  // an unknown token or a brace that is not doubled ("{{", "}}").
  static std::optional<ColourTemplate> Parse(std::string_view text, std::string& error);

  std::string Format(ColourValue colour) const;

 private:
  struct Piece {
    int token;  // an index into the token table, or -1 for literal text
    std::string text;
  };
  std::vector<Piece> m_pieces;
};

}  // namespace tl
