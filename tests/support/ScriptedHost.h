#pragma once

// A stand-in for the windows around a click handler: it answers input boxes from a script and
// records what the handler showed and asked for.
#include "platform/FormHost.h"

#include <deque>
#include <string>
#include <vector>

namespace penderlin::testing {

class ScriptedHost : public platform::FormHost {
public:
    std::deque<std::wstring> answers; // what the user types into each input box in turn
    std::vector<std::wstring> messages;
    std::vector<std::wstring> prompts;
    std::vector<std::wstring_view> shownForms;
    bool unloaded = false;
    bool ended = false;

    void ShowMessage(std::wstring_view text) override { messages.emplace_back(text); }

    std::wstring InputBox(std::wstring_view prompt) override {
        prompts.emplace_back(prompt);
        if (answers.empty()) {
            return {};
        }
        std::wstring answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void Unload() override { unloaded = true; }
    void EndProgram() override { ended = true; }

    std::unique_ptr<platform::FormInstance>
    CreateInstance(const platform::FormDescription& form) override {
        struct Instance : platform::FormInstance {
            ScriptedHost& host;
            std::wstring_view name;
            Instance(ScriptedHost& h, std::wstring_view n) : host(h), name(n) {}
            void ShowModal() override { host.shownForms.push_back(name); }
        };
        return std::make_unique<Instance>(*this, form.name);
    }

    // Runs the named control's click handler, as the window does; false when it has none.
    bool Click(const platform::FormDescription& form, std::wstring_view control) {
        for (const auto& description : form.controls) {
            if (description.name == control && description.onClick != nullptr) {
                description.onClick(*this);
                return true;
            }
        }
        return false;
    }
};

} // namespace penderlin::testing
