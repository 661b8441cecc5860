#include "viewer/app/tips.hpp"

#include <string>


namespace karvelo {

std::string_view tipsText() {
    static constexpr std::string_view kTips =
        "... dass Sie die Hilfe mit <F1> aus nahezu allen Fenstern öffnen können? Wo immer möglich, "
        "wird das richtige Fenster in der Hilfe angezeigt.\r\n"
        "... dass Sie viele Informationen auch ausdrucken können?\r\n"
        "... dass Sie die Homepage auch aus dem Programm heraus aufrufen können?\r\n"
        "... dass es fast überall dort, wo ein Ausdruck angeboten wird, auch die Möglichkeit einer "
        "Druckvorschau gibt?\r\n"
        "... dass das Programm ein Ein-Mann-Projekt ist?";
    return kTips;
}

bool writeTipsFile(FileSystem& files, std::string_view tempFolder) {
    return files.writeFile(std::string(tempFolder) + std::string(kTipsFileName), tipsText());
}

}  // namespace karvelo
