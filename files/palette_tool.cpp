#include "files/palette_tool.h"

#include <cctype>
#include <optional>

#include "files/file_io.h"
#include "files/gimp_palette.h"
#include "files/swatch_exporter.h"

namespace tl {
namespace {

constexpr const char* kUsage =
    "usage: tintlens-palette show FILE.clf [--format FORMAT]\n"
    "       tintlens-palette export FILE.clf OUT.ase|OUT.act|OUT.gpl\n"
    "\n"
    "show    prints each colour of a Tintlens colour list, top of the list first,\n"
    "        one per line, as the Tintlens window shows it in that notation\n"
    "        (FORMAT: html, delphi, vb, cpp, flash, integer, rgb, rgbfloat;\n"
    "        default rgb)\n"
    "export  writes the list as an Adobe Swatch Exchange (.ase), Adobe Color\n"
    "        Table (.act, at most 256 colours) or GIMP palette (.gpl) file\n";

struct FormatName {
  const char* name;
  int notation;
};
constexpr FormatName kFormats[] = {
    {"html", kNotationHtml},     {"delphi", kNotationDelphi}, {"vb", kNotationVb},
    {"cpp", kNotationCpp},       {"flash", kNotationFlash},   {"integer", kNotationInteger},
    {"rgb", kNotationRgb},       {"rgbfloat", kNotationRgbFloat},
};

std::string Extension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

std::string Stem(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

int Fail(std::ostream& err, const std::string& message) {
  err << "tintlens-palette: " << message << "\n";
  return 1;
}

int Show(const std::vector<ColourValue>& colours, int notation, std::ostream& out) {
  for (ColourValue colour : colours) out << NotationText(colour, notation) << "\n";
  return 0;
}

int Export(const std::vector<ColourValue>& colours, const std::string& input,
           const std::string& output, std::ostream& err) {
  const std::string extension = Extension(output);
  bool written;
  if (extension == "ase") {
    written = SwatchExchangeExporter(colours).Write(output);
  } else if (extension == "act") {
    written = ColourTableExporter(colours).Write(output);
  } else if (extension == "gpl") {
    const std::string text = EncodeGimpPalette(Stem(input), colours);
    written = WriteFileReplacing(output, Bytes(text.begin(), text.end()));
  } else {
    return Fail(err, "unknown output type '" + output + "': use .ase, .act or .gpl");
  }
  return written ? 0 : Fail(err, "cannot write " + output);
}

}  // namespace

int RunPaletteTool(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  if (arguments.empty()) {
    err << kUsage;
    return 2;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h") {
    out << kUsage;
    return 0;
  }
  const std::string& command = arguments[0];
  if ((command != "show" && command != "export") || arguments.size() < 2) {
    err << kUsage;
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
      err << kUsage;
      return 2;
    }
  }
  if (command == "export" && output.empty()) {
    err << kUsage;
    return 2;
  }

  const std::string& input = arguments[1];
  const std::optional<std::vector<ColourValue>> colours = ReadColourListFile(input);
  if (!colours) return Fail(err, "cannot read " + input);
  return command == "show" ? Show(*colours, notation, out) : Export(*colours, input, output, err);
}

}  // namespace tl
