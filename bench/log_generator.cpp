#include "bench/log_generator.hpp"

#include <cstdio>

namespace karvelo::bench {

std::string generateAlarmLog(std::size_t records) {
    static const char* const kClear[] = {"RESET", "NCSTART", "POWER ON", "QUIT", "CANCEL"};
    static const char* const kText[] = {
        "Schutzt\xFCr offen, Vorschub gesperrt, bitte T\xFCr schlie\xDF" "en und quittieren",
        "Achse X1 Konturüberwachung, Schleppabstand zu gro\xDF, Regelkreis pr\xFC" "fen",
        "K\xFChlmitteldruck zu niedrig, Filter verschmutzt oder Pumpe defekt bitte pr\xFC" "fen",
        "Spindel 1 Drehzahl nicht erreicht, Antrieb und Getriebestufe kontrollieren",
    };
    std::string out;
    out.reserve(records * 210 + 256);
    out += "Alarmprotokoll  SINUMERIK  Maschine BAZ 3  erstellt 28.12.12 09:05\r\n";
    out += "------------------------------------------------------------------\r\n";
    out += "Nummer  Kommen      Gehen     L\xF6schen      Text\r\n";
    out += "------------------------------------------------------------------\r\n";
    char line[512];
    for (std::size_t i = 0; i < records; ++i) {
        const int day = static_cast<int>(i % 28) + 1;
        const int month = static_cast<int>(i / 28 % 12) + 1;
        const char* text = kText[i % 4];
        // First line: number 1-8, come date 9-16, go date 20-27, clear 30-40, colon 41,
        // text from 45 (the first 38 characters of the alarm text).
        std::snprintf(line, sizeof line, "%8zu%02d.%02d.12 - %02d.%02d.12  %-11s:   %.38s\r\n",
                      700000 + i % 9000, day, month, day, month, kClear[i % 5], text);
        out += line;
        // Time line: the two times, then the rest of the alarm text from column 42.
        std::snprintf(line, sizeof line, "  %02zu:%02zu:%02zu  %02zu:%02zu:%02zu%21s%.30s\r\n",
                      i % 24, i % 60, (i * 7) % 60, (i + 1) % 24, (i * 3) % 60, (i * 11) % 60,
                      "", text + 38);
        out += line;
        std::snprintf(line, sizeof line, "%41s%s\r\n", "", " (Meldung der PLC)");
        out += line;
    }
    return out;
}

}  // namespace karvelo::bench
