#include "viewer/core/converted_text.hpp"

#include <cstdio>

#include "common/product.hpp"
#include "common/text.hpp"

namespace karvelo {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kBlockRule = "--------------";

// The fixed text of one record's block around its six values; the labels are 15
// characters wide so that every value starts in column 16.
constexpr std::string_view kLabels[] = {
    "Protokoll-Nr.: ", "Fehler-Nr.   : ", "Kommen       : ",
    "Gehen        : ", "Löschen      : ", "Fehlertext   : ",
};

class LineWriter {
public:
    explicit LineWriter(std::string& out) : out_(out) {}
    LineWriter& line(std::string_view a = {}, std::string_view b = {}) {
        out_.append(a).append(b).append(kCrLf);
        return *this;
    }

private:
    std::string& out_;
};

void writeHead(LineWriter& w, std::string_view sourcePath) {
    const std::string rule78(78, '-');
    w.line("Head").line(rule78).line("Originalpfad:").line(folderPart(sourcePath));
    w.line("Dies ist die in eine *.txt Datei umformatierte Fehlerprotokolldatei:");
    w.line(fileNamePart(sourcePath)).line();
    w.line("Umformatierungsprogramm: Karvelo.exe", kMakerCredit);
    w.line("Version: ", kVersionText).line("Datum  : ", kReleaseDate);
    w.line(rule78).line("Head end").line().line("Protokoll lines").line(kBlockRule);
}

void writeTrailer(LineWriter& w, std::size_t n, const DateTime& saveTime) {
    const std::string rule32(32, '-');
    w.line("Protokoll lines end").line().line("Protokoll items").line(rule32);
    w.line("this protokoll have:");
    w.line(std::to_string(n), " Protokoll itmes").line(std::to_string(7 * n), " Protokoll lines");
    w.line("Saving date yyyy-mm-dd / hh:mm:ss");
    w.line(formatDateMask("%yyyy-%mm-%dd / %hh:%ii:%ss", saveTime));
    w.line(rule32).line("Protokoll itmes end");
}

}  // namespace

std::string formatConvertedText(std::string_view sourcePath, std::span<const AlarmRecord> records,
                                const DateTime& saveTime) {
    std::size_t estimate = 1024;
    for (const auto& r : records) {
        estimate += 7 * 17 + 14 + r.runningNo.size() + r.alarmNo.size() + r.come.size() +
                    r.go.size() + r.clear.size() + r.text.size();
    }
    std::string out;
    out.reserve(estimate);
    LineWriter w(out);
    writeHead(w, sourcePath);
    for (const auto& r : records) {
        w.line(kLabels[0], r.runningNo).line(kLabels[1], r.alarmNo).line(kLabels[2], r.come);
        w.line(kLabels[3], r.go).line(kLabels[4], r.clear).line(kLabels[5], r.text);
        w.line(kBlockRule);
    }
    writeTrailer(w, records.size(), saveTime);
    return out;
}

std::string convertLogToText(const LineList& lines, std::string_view sourcePath, const DateTime& saveTime) {
    std::string out;
    // The text is about a third longer than the log; reserving that spares the copies of
    // a growing string.
    out.reserve(lines.byteCount() + lines.byteCount() / 2 + 1024);
    LineWriter w(out);
    writeHead(w, sourcePath);
    std::size_t n = 0;
    char number[24];
    forEachRecord(lines, [&](const RecordParts& p) {
        n = p.number;
        const int digits = std::snprintf(number, sizeof number, "%zu", p.number);
        w.line(kLabels[0], std::string_view(number, static_cast<std::size_t>(digits)));
        w.line(kLabels[1], p.alarmNo);
        out.append(kLabels[2]).append(p.comeDate).append(" / ").append(p.comeTime).append(kCrLf);
        out.append(kLabels[3]).append(p.goDate).append(" / ").append(p.goTime).append(kCrLf);
        w.line(kLabels[4], p.clear);
        out.append(kLabels[5]);
        appendTrimmedText(out, p.textParts);
        out.append(kCrLf);
        w.line(kBlockRule);
    });
    writeTrailer(w, n, saveTime);
    return out;
}

bool writeConvertedText(FileSystem& files, std::string_view targetPath, std::string_view sourcePath,
                        std::span<const AlarmRecord> records, const DateTime& saveTime) {
    return files.writeFile(targetPath, formatConvertedText(sourcePath, records, saveTime));
}

std::string convertedTextName(std::string_view folder, std::string_view sourcePath) {
    const std::string_view name = fileNamePart(sourcePath);
    std::string out(folder);
    out.append(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0)).append(".txt");
    return out;
}

}  // namespace karvelo
