#include "tools/convert_command.hpp"

#include <optional>
#include <string>
#include <vector>

#include "common/product.hpp"
#include "common/text.hpp"
#include "viewer/core/alarm_log.hpp"
#include "viewer/core/converted_text.hpp"
#include "viewer/core/log_file_check.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kUsage =
    "Aufruf: karvelo-convert [-o ORDNER] DATEI.com ...\n"
    "        karvelo-convert --stdout DATEI.com\n"
    "\n"
    "Wandelt Fehlerprotokolldateien (*.com) in umformatierte *.txt Dateien um.\n"
    "Jede DATEI.com wird als ORDNER + Dateiname ohne Endung + .txt gespeichert;\n"
    "ohne -o im Ordner der Quelldatei.\n"
    "\n"
    "  -o ORDNER   Zielordner der *.txt Dateien\n"
    "  --stdout    die umformatierte Datei auf die Standardausgabe schreiben\n"
    "  --help      diese Hilfe\n"
    "  --version   Programmversion\n"
    "\n"
    "R\xFC" "ckgabewert: 0 alle Dateien umgewandelt, 1 mindestens eine Datei fehlerhaft,\n"
    "2 falscher Aufruf.\n";

struct Options {
    std::optional<std::string> folder;
    bool toStdout = false;
    std::vector<std::string_view> inputs;
};

// Parses the arguments; nothing when they are not a valid call (the reason is in `why`).
std::optional<Options> parseOptions(std::span<const std::string_view> args, std::string& why) {
    Options o;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (onlyFiles || a.empty() || a[0] != '-' || a == "-") {
            o.inputs.push_back(a);
        } else if (a == "--") {
            onlyFiles = true;
        } else if (a == "-o") {
            if (i + 1 >= args.size()) {
                why = "-o ohne Ordner";
                return std::nullopt;
            }
            o.folder = std::string(args[++i]);
        } else if (a == "--stdout") {
            o.toStdout = true;
        } else {
            why = "unbekannte Option " + std::string(a);
            return std::nullopt;
        }
    }
    if (o.inputs.empty()) {
        why = "keine Datei angegeben";
        return std::nullopt;
    }
    if (o.toStdout && (o.inputs.size() != 1 || o.folder)) {
        why = "--stdout verlangt genau eine Datei und kein -o";
        return std::nullopt;
    }
    return o;
}

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') {
        folder += folder.find('\\') != std::string::npos ? '\\' : '/';
    }
    return folder;
}

class Converter {
public:
    Converter(FileSystem& files, Clock& clock, std::ostream& out, std::ostream& err)
        : files_(files), clock_(clock), out_(out), err_(err) {}

    // Converts one log; false (with a message naming the file) when it fails.
    bool convert(std::string_view input, const Options& o) {
        if (!hasComExtension(input)) return fail(input, kMsgNotComFile);
        const LogLines read = readLogLines(files_, input);
        if (!read.opened) return fail(input, kMsgNotReadable);
        if (read.lines.size() < kMinLogLines) return fail(input, kMsgTooFewLines);

        const std::string text = convertLogToText(read.lines, input, clock_.localTime());
        if (o.toStdout) {
            out_.write(text.data(), static_cast<std::streamsize>(text.size()));
            out_.flush();
            return out_.good() || fail(input, kMsgNotCreated);
        }
        const std::string folder = o.folder ? withSeparator(*o.folder) : std::string(folderPart(input));
        const std::string target = convertedTextName(folder, input);
        if (!files_.writeFile(target, text)) return fail(target, kMsgNotCreated);
        return true;
    }

private:
    bool fail(std::string_view file, std::string_view message) {
        err_ << "karvelo-convert: " << file << ": " << message << '\n';
        return false;
    }

    FileSystem& files_;
    Clock& clock_;
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace

int runConvert(std::span<const std::string_view> args, FileSystem& files, Clock& clock,
               std::ostream& out, std::ostream& err) {
    for (const auto a : args) {
        if (a == "--") break;
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return kExitOk;
        }
        if (a == "--version") {
            out << "karvelo-convert (Karvelo " << kVersionText << ", " << kReleaseDate << ")\n";
            return kExitOk;
        }
    }
    std::string why;
    const auto options = parseOptions(args, why);
    if (!options) {
        err << "karvelo-convert: " << why << "\n\n" << kUsage;
        return kExitUsage;
    }
    Converter converter(files, clock, out, err);
    bool allConverted = true;
    for (const auto input : options->inputs) allConverted = converter.convert(input, *options) && allConverted;
    return allConverted ? kExitOk : kExitSomeFailed;
}

}  // namespace karvelo
