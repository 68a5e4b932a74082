// How lqs-pack writes its output: the bytes go into a new file of a fresh,
// unguessable name in the output's folder, created exclusively so that
// nothing already there, a link above all, is written through (O_EXCL and
// O_NOFOLLOW; CREATE_NEW on a reparse point on Windows), and that file is
// then renamed over the output. A failed run leaves no half-written skin,
// and any output name the file system takes can be written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumiq {

// "" once path holds bytes, else the reason; nothing is left behind then.
std::string WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Whether both paths name one existing file, through links or differently
// spelled paths too.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace lumiq
