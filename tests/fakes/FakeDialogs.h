#pragma once

#include "unit/Ports.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::fakes {

// File dialogs answered from a script: a path, or nullopt for Cancel. A
// dialog shown with no answer left counts as cancelled. The filters shown are
// recorded.
class FakeDialogs : public FileDialogs {
public:
    void ChooseOpen(std::optional<std::string> path) { open_.push_back(std::move(path)); }
    void ChooseSave(std::optional<std::string> path, int filter = 0) {
        save_.push_back(std::move(path));
        saveChoices_.push_back(filter);
    }

    std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder) override {
        openFilters.push_back(filter);
        openFolders.push_back(folder);
        return Next(open_);
    }
    std::optional<std::string> SaveFileName(const std::string& filter) override {
        saveFilters.push_back(filter);
        if (!saveChoices_.empty()) saveChoices_.pop_front();
        return Next(save_);
    }
    std::optional<std::string> SaveFileName(const std::string& filter, int& chosenFilter) override {
        chosenFilter = saveChoices_.empty() ? 0 : saveChoices_.front();
        return SaveFileName(filter);
    }

    std::optional<std::string> ExportFileName(const std::string& filter, const std::string& caption,
                                              const std::string& suggested) override {
        return exports.push_back(caption + "|" + suggested), SaveFileName(filter);
    }

    std::vector<std::string> openFilters;
    std::vector<std::string> openFolders;  // the folder each Open dialog started in
    std::vector<std::string> exports;  // "caption|suggested path" of each export dialog
    std::vector<std::string> saveFilters;

private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto next = queue.front();
        queue.pop_front();
        return next;
    }
    std::deque<std::optional<std::string>> open_;
    std::deque<std::optional<std::string>> save_;
    std::deque<int> saveChoices_;
};

}  // namespace tarnwick::fakes
