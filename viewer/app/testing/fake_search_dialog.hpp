#pragma once
// The search dialog answered from a script; every preset it was opened with is recorded.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "viewer/app/search_dialog.hpp"

namespace karvelo::testing {

class ScriptedSearchDialog final : public SearchDialog {
public:
    // Results of the next dialogs, in order; nothing = the window could not be opened. A
    // dialog beyond the script is cancelled with the check box left ticked.
    std::deque<std::optional<SearchDialogResult>> answers;
    std::vector<std::string> presets;

    void done(std::string text, bool ignoreCase) {
        answers.push_back(SearchDialogResult{SearchDialogResult::ClosedWith::Done, std::move(text), ignoreCase});
    }
    void cancel(bool ignoreCase) {
        answers.push_back(SearchDialogResult{SearchDialogResult::ClosedWith::Cancel, {}, ignoreCase});
    }
    void failToOpen() { answers.push_back(std::nullopt); }

    std::optional<SearchDialogResult> run(std::string_view preset) override {
        presets.emplace_back(preset);
        if (answers.empty()) return SearchDialogResult{SearchDialogResult::ClosedWith::Cancel, std::string(preset), true};
        auto answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace karvelo::testing
