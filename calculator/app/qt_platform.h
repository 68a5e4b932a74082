#pragma once
// The desktop services of the models, carried out with Qt.

#include <QWidget>
#include <functional>

#include "catalogue/platform.h"

namespace veltra {

class QtPlatform : public Platform {
  public:
    // Parent window for message boxes; may change once the main window exists.
    void SetParentWindow(QWidget* parent) { parent_ = parent; }
    void SetPowerMessageHandler(std::function<void()> handler) {
        powerMessage_ = std::move(handler);
    }
    void SetHelpHandler(std::function<void(const std::string&, std::optional<int>)> handler) {
        help_ = std::move(handler);
    }

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void ShowPowerMessage() override;
    void ShowHelp(const std::string& target, std::optional<int> context) override;
    void OpenUrl(const std::string& url) override;
    bool OpenFile(const std::string& path) override;
    std::optional<std::string> DocumentsFolder() override;
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& title) override;
    Colour GetSystemColour(SystemColour which) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& title) override;
    std::optional<std::string> ChooseFileToSave(const std::string& title,
                                                const std::string& suggested) override;

  private:
    QWidget* parent_ = nullptr;
    std::function<void()> powerMessage_;
    std::function<void(const std::string&, std::optional<int>)> help_;
};

// The regional decimal separator; the comma when the system names none.
char SystemDecimalSeparator();

}  // namespace veltra
