#include "app/palette_tool.h"

#include <optional>

#include "files/palette_reader.h"
#include "files/palette_writer.h"

namespace tl {
namespace {

constexpr const char* kUsage =
    "usage: tintlens-palette show FILE [--format FORMAT]\n"
    "       tintlens-palette export FILE OUT.clf|OUT.ase|OUT.act|OUT.aco|OUT.gpl\n"
    "\n"
    "FILE is a Tintlens colour list (.clf), Adobe Swatch Exchange (.ase), Adobe\n"
    "Color Table (.act), Photoshop swatches (.aco) or GIMP palette (.gpl) file.\n"
    "\n"
    "show    prints each colour, in the file's order, one per line, as the\n"
    "        Tintlens window shows it in that notation (FORMAT: html, delphi, vb,\n"
    "        cpp, flash, integer, rgb, rgbfloat, css-rgb, css-hsl, hsv; default\n"
    "        rgb)\n"
    "export  writes the colours as the kind OUT's extension names (.act holds\n"
    "        at most 256 colours, .aco at most 65,535)\n";

struct FormatName {
  const char* name;
  int notation;
};
constexpr FormatName kFormats[] = {
    {"html", kNotationHtml},     {"delphi", kNotationDelphi}, {"vb", kNotationVb},
    {"cpp", kNotationCpp},       {"flash", kNotationFlash},   {"integer", kNotationInteger},
    {"rgb", kNotationRgb},       {"rgbfloat", kNotationRgbFloat}, {"css-rgb", kNotationCssRgb},
    {"css-hsl", kNotationCssHsl}, {"hsv", kNotationHsv},
};

int Fail(std::string& err, const std::string& message) {
  err += "tintlens-palette: " + message + "\n";
  return 1;
}

int Show(const std::vector<ColourValue>& colours, int notation, std::string& out) {
  for (ColourValue colour : colours) out += NotationText(colour, notation) + "\n";
  return 0;
}

int Export(const std::vector<ColourValue>& colours, const std::string& input,
           const std::string& output, std::string& err) {
  const std::optional<FileKind> kind = FileKindOfExtension(output);
  if (!kind) {
    return Fail(err, "unknown output type '" + output + "': use .clf, .ase, .act, .aco or .gpl");
  }
  const bool written = WritePalette(*kind, output, colours, PaletteNameOf(input));
  return written ? 0 : Fail(err, "cannot write " + output);
}

}  // namespace

int RunPaletteTool(const std::vector<std::string>& arguments, std::string& out,
                   std::string& err) {
  if (arguments.empty()) {
    err += kUsage;
    return 2;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h") {
    out += kUsage;
    return 0;
  }
  const std::string& command = arguments[0];
  if ((command != "show" && command != "export") || arguments.size() < 2) {
    err += kUsage;
    return 2;
  }

  int notation = kNotationRgb;
  std::string output;
  for (std::size_t i = 2; i < arguments.size(); ++i) {
    if (command == "show" && arguments[i] == "--format" && i + 1 < arguments.size()) {
      const std::string& name = arguments[++i];
      std::optional<int> found;
      for (const FormatName& format : kFormats) {
        if (name == format.name) found = format.notation;
      }
      if (!found) return Fail(err, "unknown format '" + name + "'");
      notation = *found;
    } else if (command == "export" && output.empty()) {
      output = arguments[i];
    } else {
      err += kUsage;
      return 2;
    }
  }
  if (command == "export" && output.empty()) {
    err += kUsage;
    return 2;
  }

  const std::string& input = arguments[1];
  const PaletteRead read = ReadPaletteFile(input);
  if (!read.Ok()) return Fail(err, "cannot read " + input + ": " + read.error);
  return command == "show" ? Show(read.colours, notation, out)
                           : Export(read.colours, input, output, err);
}

}  // namespace tl
