#pragma once
// The desktop services for a run without a window: every message goes to
// standard error, nothing is asked and nothing is opened.

#include <cstdio>

#include "catalogue/platform.h"
#include "catalogue/printable_text.h"
#include "mainwindow/about_box.h"

namespace veltra {

class ConsolePlatform : public Platform {
  public:
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
        // Parts of a message come from files: nothing in them may act on the
        // terminal, and a NUL must not end the line early.
        const std::string line = TerminalText(text) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
    void ShowPowerMessage() override {
        std::fprintf(stderr, "%s %s\n", kPowerMessage.overload, kPowerMessage.correction);
    }
    void ShowHelp(const std::string&, std::optional<int>) override {}
    void OpenUrl(const std::string&) override {}
    bool OpenFile(const std::string&) override { return false; }
    std::optional<std::string> DocumentsFolder() override { return std::nullopt; }
    std::optional<std::string> InputBox(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    // The classic face and shadow: only the dialogs' highlight depends on them.
    Colour GetSystemColour(SystemColour which) override { return ClassicSystemColour(which); }
    Answer AskYesNoCancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    std::optional<std::string> ChooseFileToOpen(const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace veltra
