#pragma once
// Opens help targets ("file.chm::/topic.htm") in the desktop's CHM viewer,
// looking the file up in the program folder. A missing file or viewer is
// reported with a message naming the file.

#include <QString>
#include <optional>
#include <string>

#include "catalogue/platform.h"

namespace veltra {

class ChmHelpViewer {
  public:
    ChmHelpViewer(Platform& platform, QString folder)
        : platform_(platform), folder_(std::move(folder)) {}
    void Show(const std::string& target, std::optional<int> context);

  private:
    Platform& platform_;
    QString folder_;
};

}  // namespace veltra
