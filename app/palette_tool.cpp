#include "app/palette_tool.h"

#include <optional>

#include "core/colour_template.h"
#include "core/colour_text.h"
#include "core/colour_vision.h"
#include "core/contrast.h"
#include "files/file_io.h"
#include "files/palette_reader.h"
#include "files/palette_writer.h"
#include "res/product.h"

namespace tl {
namespace {

constexpr const char* kCommands =
    "show     prints each colour, in the file's order, one per line, as the\n"
    "         " TL_PROGRAM_NAME
    " window shows it in that notation (default rgb); with\n"
    "         --names, a tab and the colour's name (empty when it has none) after it\n"
    "convert  prints each COLOUR (#123456, rgb(18 52 86), hsl(...), oklch(...),\n"
    "         a CSS name, or the text of any notation) the same way\n"
    "export   writes the colours and their names as the kind OUT's extension\n"
    "         names, never over FILE (.act holds at most 256 colours and no\n"
    "         names, .aco at most 65,535 colours: what is left out is said)\n"
    "contrast prints the WCAG 2 contrast ratio of TEXT on BACKGROUND with its\n"
    "         verdicts, and the APCA lightness contrast Lc; exit status 0 when\n"
    "         the pair passes AA for normal text, 1 when it does not\n"
    "simulate prints each COLOUR as #RRGGBB as seen with VISION: protanopia,\n"
    "         deuteranopia, tritanopia or achromatopsia\n"
    "\n"
    "TEMPLATE is text with tokens: {r} {g} {b} (0-255), {rx} {gx} {bx} and\n"
    "{RX} {GX} {BX} (hex), {rf} {gf} {bf} (0-1), {h} {sl} {l} (HSL), {sv} {v}\n"
    "(HSV), {int}, {name}; {{ and }} are braces.\n"
    "\n"
    "Exit status: 0 done, 1 a file or colour that cannot be read or written,\n"
    "2 a mistake in the command (and, for contrast, a colour it cannot read).\n";

// Words joined into lines of at most `width` characters.
std::string Wrapped(const std::string& text, std::size_t width) {
  std::string lines, line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines += line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  return lines + line + "\n";
}

// The kinds of file, as the file-kind table names them.
std::string Usage() {
  std::string outputs, kinds;
  for (std::size_t i = 0; i < kFileKinds.size(); ++i) {
    const FileKindRow& row = kFileKinds[i];
    outputs += std::string(i == 0 ? "OUT." : "|OUT.") + row.extension;
    kinds += (i == 0                       ? ""
              : i + 1 == kFileKinds.size() ? " or "
                                           : ", ") +
             std::string(row.consoleName) + " (." + row.extension + ")";
  }
  return "usage: tintlens-palette show FILE [--format FORMAT | --template TEMPLATE] [--names]\n"
         "       tintlens-palette convert COLOUR... [--format FORMAT | --template TEMPLATE]\n"
         "       tintlens-palette export FILE " +
         outputs +
         "\n"
         "       tintlens-palette contrast TEXT BACKGROUND\n"
         "       tintlens-palette simulate VISION COLOUR...\n"
         "       tintlens-palette --help | --version\n"
         "\n" +
         Wrapped("FILE is a " + kinds + " file.", 76) + "\n" + kCommands;
}

int Fail(std::string& err, const std::string& message) {
  err += "tintlens-palette: " + message + "\n";
  return 1;
}

int UsageError(std::string& err, const std::string& message) {
  err += "tintlens-palette: " + message + "\ntry 'tintlens-palette --help'\n";
  return 2;
}

std::string FormatNames() {
  std::string names;
  for (const Notation& notation : kNotationTable) {
    if (!names.empty()) names += ", ";
    names += notation.consoleName;
  }
  return names;
}

// How each colour is written: a notation, or a template of the user's own.
struct Writer {
  int notation = kNotationRgb;
  std::optional<ColourTemplate> colourTemplate;

  std::string Text(ColourValue colour) const {
    return colourTemplate ? colourTemplate->Format(colour) : NotationText(colour, notation);
  }
};

struct Command {
  std::string name;
  std::vector<std::string> operands;
  std::optional<std::string> format, templateText;
  bool names = false;  // --names
};

// The options and operands after the command; a usage error goes to `err` and
// gives none.
std::optional<Command> ReadCommand(const std::vector<std::string>& arguments, std::string& err) {
  Command command{arguments[0], {}, {}, {}, false};
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.size() < 2 || argument[0] != '-') {
      command.operands.push_back(argument);
      continue;
    }
    if (argument == "--names") {
      if (command.name != "show") {
        UsageError(err, "only show takes --names");
        return std::nullopt;
      }
      command.names = true;
      continue;
    }
    // --format NAME and --format=NAME alike.
    const std::size_t equals = argument.find('=');
    const std::string option = argument.substr(0, equals);
    std::optional<std::string>* value = option == "--format"     ? &command.format
                                        : option == "--template" ? &command.templateText
                                                                 : nullptr;
    if (!value) {
      UsageError(err, "unknown option '" + option + "'");
      return std::nullopt;
    }
    if (command.name == "export") {
      UsageError(err, "export takes no " + option);
      return std::nullopt;
    }
    if (equals != std::string::npos) {
      *value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      *value = arguments[++i];
    } else {
      UsageError(err, "option '" + option + "' needs a value");
      return std::nullopt;
    }
  }
  if (command.format && command.templateText) {
    UsageError(err, "--format and --template cannot be used together");
    return std::nullopt;
  }
  return command;
}

std::optional<Writer> MakeWriter(const Command& command, std::string& err) {
  Writer writer;
  if (command.format) {
    const int row = NotationRowOfConsoleName(*command.format);
    if (row < 0) {
      UsageError(err, "unknown format '" + *command.format + "' (use " + FormatNames() + ")");
      return std::nullopt;
    }
    writer.notation = kNotationTable[static_cast<std::size_t>(row)].id;
  }
  if (command.templateText) {
    std::string error;
    writer.colourTemplate = ColourTemplate::Parse(*command.templateText, error);
    if (!writer.colourTemplate) {
      UsageError(err, "bad template: " + error);
      return std::nullopt;
    }
  }
  return writer;
}

std::string Count(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// What the output's kind cannot hold is said, but it is no failure: the user
// asked for that kind.
void NoteLosses(FileKind kind, const PaletteRead& read, const std::string& output,
                std::string& err) {
  const std::size_t most = RowOf(kind).mostColours, count = read.colours.size();
  if (count > most) {
    err += "tintlens-palette: " + output + " holds at most " + std::to_string(most) +
           " colours: the last " + std::to_string(count - most) + " of " + std::to_string(count) +
           " are left out\n";
  }
  std::size_t names = 0;
  for (const std::string& name : read.names) names += !name.empty();
  if (names > 0 && !RowOf(kind).holdsNames) {
    err += "tintlens-palette: " + output +
           " holds no names: " + Count(names, "name is", "names are") + " left out\n";
  }
}

int Export(const PaletteRead& read, const std::string& input, const std::string& output,
           std::string& err) {
  const std::optional<FileKind> kind = FileKindOfExtension(output);
  if (!kind) {
    return Fail(err, "unknown output type '" + output + "': use " + ExtensionList());
  }
  // Replaced whole, the input would be gone with whatever the output cannot hold.
  if (SameFile(input, output)) return Fail(err, "will not write " + output + " over its own input");
  std::string why;
  if (!WritePalette(*kind, output, read.colours, PaletteNameOf(input), read.names, &why)) {
    return Fail(err, "cannot write " + output + ": " + why);
  }
  NoteLosses(*kind, read, output, err);
  return 0;
}

// A file that cannot be read, and bytes that are no palette, are named with the
// reason; a palette without colours is read, with a note.
std::optional<PaletteRead> ReadInput(const std::string& input, std::string& err) {
  const FileBytes file = ReadWholeFile(input);
  switch (file.failure) {
    case ReadFailure::None:
      break;
    case ReadFailure::TooLarge:
      Fail(err, "cannot read " + input + ": it is " + kTooLargeToBeAPalette);
      return std::nullopt;
    case ReadFailure::CannotOpen:
      Fail(err, "cannot open " + input + ": " + file.reason);
      return std::nullopt;
  }
  PaletteRead read = ReadPalette(file.bytes.data(), file.bytes.size(), input);
  if (!read.Ok()) {
    Fail(err, "cannot read " + input + ": " + read.error);
    return std::nullopt;
  }
  if (read.colours.empty()) err += "tintlens-palette: no colours in " + input + "\n";
  return read;
}

// Every colour that reads is printed; each argument that does not is named.
int Convert(const std::vector<std::string>& colours, const Writer& writer, std::string& out,
            std::string& err) {
  int status = 0;
  for (const std::string& text : colours) {
    const std::optional<ColourValue> colour = ParseColourText(text);
    if (colour) out += writer.Text(*colour) + "\n";
    else status = Fail(err, "not a colour: '" + text + "'");
  }
  return status;
}

// Exit 0 for a pair that passes AA for normal text, 1 for one that does not, and
// 2 for a colour that cannot be read, so that a script can tell them apart.
int Contrast(const std::vector<std::string>& operands, std::string& out, std::string& err) {
  if (operands.size() != 2) return UsageError(err, "contrast needs TEXT and BACKGROUND");
  std::optional<ColourValue> pair[2];
  for (int i = 0; i < 2; ++i) {
    pair[i] = ParseColourText(operands[static_cast<std::size_t>(i)]);
    if (!pair[i]) {
      Fail(err, "not a colour: '" + operands[static_cast<std::size_t>(i)] + "'");
      return 2;
    }
  }
  out += ContrastVerdictText(*pair[0], *pair[1]);
  const int aa = kContrastCriteria[kCriterionAa].minimumHundredths;
  return MeetsContrast(ContrastRatio(*pair[0], *pair[1]), aa) ? 0 : 1;
}

int Simulate(const std::vector<std::string>& operands, std::string& out, std::string& err) {
  if (operands.size() < 2) return UsageError(err, "simulate needs a VISION and a COLOUR");
  const ColourVisionName* vision = nullptr;
  for (const ColourVisionName& v : kColourVisions) {
    if (operands[0] == v.name) vision = &v;
  }
  if (!vision) {
    return UsageError(err, "unknown vision '" + operands[0] +
                               "' (use protanopia, deuteranopia, tritanopia or achromatopsia)");
  }
  int status = 0;
  for (auto text = operands.begin() + 1; text != operands.end(); ++text) {
    const std::optional<ColourValue> colour = ParseColourText(*text);
    if (colour) out += NotationText(SimulateVision(*colour, vision->vision), kNotationHtml) + "\n";
    else status = Fail(err, "not a colour: '" + *text + "'");
  }
  return status;
}

}  // namespace

int RunPaletteTool(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
  if (arguments.empty()) {
    return UsageError(err, "missing command (show, convert, export, contrast or simulate)");
  }
  const std::string& first = arguments[0];
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {  // anywhere, as in most tools
      out += Usage();
      out += "\nFORMAT: " + FormatNames() + "\n";
      return 0;
    }
  }
  if (first == "--version") {
    out += "tintlens-palette " TL_VERSION "\n";
    return 0;
  }
  if (!first.empty() && first[0] == '-') return UsageError(err, "unknown option '" + first + "'");
  if (first != "show" && first != "export" && first != "convert" && first != "contrast" &&
      first != "simulate") {
    return UsageError(err, "unknown command '" + first + "'");
  }

  const std::optional<Command> command = ReadCommand(arguments, err);
  if (!command) return 2;
  const std::vector<std::string>& operands = command->operands;
  if (first == "contrast" || first == "simulate") {
    if (command->format || command->templateText) {
      return UsageError(err, first + " takes no --format or --template");
    }
    return first == "contrast" ? Contrast(operands, out, err) : Simulate(operands, out, err);
  }
  const std::size_t wanted = first == "export" ? 2 : 1;
  if (operands.size() < wanted) {
    return UsageError(err, first == "export" ? "export needs FILE and OUT"
                           : first == "show" ? "show needs a FILE"
                                             : "convert needs at least one COLOUR");
  }
  if (first != "convert" && operands.size() > wanted) {
    return UsageError(err, "unexpected argument '" + operands[wanted] + "'");
  }
  const std::optional<Writer> writer = MakeWriter(*command, err);
  if (!writer) return 2;
  if (first == "convert") return Convert(operands, *writer, out, err);

  const std::string& input = operands[0];
  const std::optional<PaletteRead> read = ReadInput(input, err);
  if (!read) return 1;
  if (first == "export") return Export(*read, input, operands[1], err);
  for (std::size_t i = 0; i < read->colours.size(); ++i) {
    out += writer->Text(read->colours[i]);
    if (command->names) out += "\t" + (i < read->names.size() ? read->names[i] : std::string());
    out += "\n";
  }
  return 0;
}

}  // namespace tl
