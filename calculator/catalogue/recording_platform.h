#pragma once
// A Platform that records what the models asked of the desktop, for tests and
// the scenario runner.

#include <functional>
#include <string>
#include <vector>

#include "platform.h"

namespace veltra {

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
};

class RecordingPlatform : public Platform {
  public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
        if (onMessage) onMessage(text);
    }
    void ShowPowerMessage() override {
        ++powerMessages;
        if (onMessage) onMessage("PowerMsg");
    }
    void ShowHelp(const std::string& target, std::optional<int> context) override {
        helpTargets.push_back(target);
        helpContexts.push_back(context);
        if (onHelp) onHelp(target);
    }
    void OpenUrl(const std::string& url) override { urls.push_back(url); }
    bool OpenFile(const std::string& path) override {
        openedFiles.push_back(path);
        return canOpenFiles;
    }
    std::optional<std::string> DocumentsFolder() override { return documentsFolder; }
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& title) override {
        inputPrompts.push_back(prompt + "|" + title);
        if (inputAnswers.empty()) return std::nullopt;
        auto answer = inputAnswers.front();
        inputAnswers.erase(inputAnswers.begin());
        return answer;
    }

  private:
    std::optional<std::string> NextFile(const std::string& dialog) {
        fileDialogs.push_back(dialog);
        if (chosenFiles.empty()) return std::nullopt;
        auto file = chosenFiles.front();
        chosenFiles.erase(chosenFiles.begin());
        return file;
    }

  public:
    Colour GetSystemColour(SystemColour which) override { return ClassicSystemColour(which); }

    Answer AskYesNoCancel(const std::string& text, const std::string& title) override {
        questions.push_back({text, title, MessageIcon::None});
        if (onMessage) onMessage(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::optional<std::string> ChooseFileToOpen(const std::string& title) override {
        return NextFile(title);
    }
    std::optional<std::string> ChooseFileToSave(const std::string& title,
                                                const std::string& suggested) override {
        return NextFile(title + "|" + suggested);
    }

    std::vector<RecordedMessage> messages;
    int powerMessages = 0;
    std::vector<std::string> helpTargets;
    std::vector<std::optional<int>> helpContexts;
    std::vector<std::string> urls;
    std::vector<std::string> openedFiles;
    bool canOpenFiles = true;
    std::optional<std::string> documentsFolder;
    std::vector<std::string> inputPrompts;
    std::vector<std::optional<std::string>> inputAnswers;
    std::vector<RecordedMessage> questions;
    std::vector<Answer> answers;  // taken in turn; none left: Cancel
    std::vector<std::string> fileDialogs;
    std::vector<std::optional<std::string>> chosenFiles;  // taken in turn; none left: cancelled
    std::function<void(const std::string&)> onMessage;
    std::function<void(const std::string&)> onHelp;
};

}  // namespace veltra
