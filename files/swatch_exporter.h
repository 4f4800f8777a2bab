#pragma once
// The export family: the colours of the list, top first, written in one format.

#include <memory>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/file_kind.h"

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

class PhotoshopSwatchesExporter final : public SwatchExporter {
 public:
  using SwatchExporter::SwatchExporter;
  Bytes Encode() const override;
};

class GimpPaletteExporter final : public SwatchExporter {
 public:
  GimpPaletteExporter(std::vector<ColourValue> colours, std::string name)
      : SwatchExporter(std::move(colours)), m_name(std::move(name)) {}
  Bytes Encode() const override;

 private:
  std::string m_name;
};

// The colour list file, for the console tool that converts between all kinds.
class ColourListExporter final : public SwatchExporter {
 public:
  using SwatchExporter::SwatchExporter;
  Bytes Encode() const override;
};

// The exporter for a kind; a GIMP palette is named `paletteName`.
std::unique_ptr<SwatchExporter> ExporterFor(FileKind kind, std::vector<ColourValue> colours,
                                            const std::string& paletteName);

}  // namespace tl
