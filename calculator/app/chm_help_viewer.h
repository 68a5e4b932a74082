#pragma once
// Opens help targets ("file.chm::/topic.htm") in the desktop's CHM viewer,
// looking the file up in the program folder, then in the installed data
// folder. A missing file or viewer is reported with a message naming the file.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/platform.h"

namespace veltra {

class ChmHelpViewer {
  public:
    ChmHelpViewer(Platform& platform, std::vector<QString> folders)
        : platform_(platform), folders_(std::move(folders)) {}
    ChmHelpViewer(Platform& platform, const QString& folder)
        : ChmHelpViewer(platform, std::vector<QString>{folder}) {}
    void Show(const std::string& target, std::optional<int> context);

  private:
    Platform& platform_;
    std::vector<QString> folders_;
};

}  // namespace veltra
