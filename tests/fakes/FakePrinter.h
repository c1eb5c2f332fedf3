#pragma once

#include "editor/EditorModel.h"
#include "unit/Ports.h"

#include <string>
#include <vector>

namespace tarnwick::fakes {

// Records every print job: the document's text at that moment and the title.
class FakePrinter : public Printer {
public:
    struct Job {
        std::string text;
        std::string title;
        std::string pdfPath;  // empty: sent to the printer
    };
    std::vector<Job> jobs;
    bool installed = true;

    void Print(const EditorModel& document, const std::string& title) override {
        jobs.push_back({document.Text(), title, {}});
    }
    bool HasPrinter() const override { return installed; }
    void PrintToPdf(const EditorModel& document, const std::string& title, const std::string& path) override {
        jobs.push_back({document.Text(), title, path});
    }
};

}  // namespace tarnwick::fakes
