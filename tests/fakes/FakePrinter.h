#pragma once

#include "app/EditorModel.h"
#include "app/Ports.h"

#include <string>
#include <vector>

namespace tarnwick::fakes {

// Records every print job: the document's text at that moment and the title.
class FakePrinter : public Printer {
public:
    struct Job {
        std::string text;
        std::string title;
    };
    std::vector<Job> jobs;

    void Print(const EditorModel& document, const std::string& title) override {
        jobs.push_back({document.Text(), title});
    }
};

}  // namespace tarnwick::fakes
