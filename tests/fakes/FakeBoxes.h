#pragma once

#include "unit/Ports.h"

// An unused answer fails the test in the framework the test target names.
#if defined(TARNWICK_GTEST)
#include <gtest/gtest.h>
#elif defined(TARNWICK_QTEST)
#include <QtTest>
#else
#include <cstdio>
#include <cstdlib>
#endif

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnwick::fakes {

// Message boxes answered from a script. Every box shown is recorded; a
// question asked with no answer left is a test failure (thrown as logic_error),
// and so is an answer still unused when the boxes go.
class FakeBoxes : public MessageBoxes {
public:
    FakeBoxes() = default;
    FakeBoxes(const FakeBoxes&) = delete;
    FakeBoxes& operator=(const FakeBoxes&) = delete;
    ~FakeBoxes() override {
        if (answers_.empty()) return;
        const std::string message = std::to_string(answers_.size()) + " scripted answer(s) never asked for";
#if defined(TARNWICK_GTEST)
        ADD_FAILURE() << message;
#elif defined(TARNWICK_QTEST)
        QTest::qFail(message.c_str(), __FILE__, __LINE__);
#else
        std::fprintf(stderr, "%s\n", message.c_str());
        std::abort();
#endif
    }

    enum class Kind { Information, Warning, Error, Confirm, ApplicationError };
    struct Shown {
        Kind kind;
        std::string text;
        BoxButton button = BoxButton::Ok;  // of an information box
    };

    void Answer(tarnwick::Answer answer) { answers_.push_back(answer); }

    void Information(const std::string& text) override { shown.push_back({Kind::Information, text}); }
    void Information(const std::string& text, BoxButton button) override {
        shown.push_back({Kind::Information, text, button});
    }
    void Warning(const std::string& text) override { shown.push_back({Kind::Warning, text}); }
    void ErrorMessage(const std::string& text) override { shown.push_back({Kind::Error, text}); }
    void ApplicationError(const std::string& text) override {
        shown.push_back({Kind::ApplicationError, text});
    }
    tarnwick::Answer Confirm(const std::string& text) override {
        shown.push_back({Kind::Confirm, text});
        if (answers_.empty()) throw std::logic_error("unexpected question: " + text);
        const tarnwick::Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }

    // The texts of the boxes of one kind, in the order shown.
    std::vector<std::string> Texts(Kind kind) const {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            if (s.kind == kind) out.push_back(s.text);
        return out;
    }
    std::vector<std::string> Questions() const { return Texts(Kind::Confirm); }
    std::vector<std::string> Errors() const { return Texts(Kind::ApplicationError); }

    std::vector<Shown> shown;

private:
    std::deque<tarnwick::Answer> answers_;
};

}  // namespace tarnwick::fakes
