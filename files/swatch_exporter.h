#pragma once
// The export family: the colours of the list, top first, written in one format.

#include <memory>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"

namespace tl {

class SwatchExporter {
 public:
  explicit SwatchExporter(std::vector<ColourValue> colours) : colours(std::move(colours)) {}
  virtual ~SwatchExporter() = default;

  // False when the file could not be written in full; then any earlier file at
  // the path is left as it was.
  virtual bool Write(const std::string& path) const;
  virtual Bytes Encode() const = 0;

 protected:
  std::vector<ColourValue> colours;
};

class SwatchExchangeExporter final : public SwatchExporter {
 public:
  using SwatchExporter::SwatchExporter;
  Bytes Encode() const override;
};

class ColourTableExporter final : public SwatchExporter {
 public:
  using SwatchExporter::SwatchExporter;
  Bytes Encode() const override;
};

}  // namespace tl
