// The plain-text skin description that lqs-pack turns into an ".lqs" file.
//
//   # comment
//   window "Setup"               one block per window, closed by "end"
//     size 400 300               the skinned window (default: the image size)
//     image 0 0 400 300          x y width height of its image in the bitmap
//     transparent 0xFF00FF       0x00RRGGBB or decimal
//     bitmap setup.bmp           relative to the description's folder
//     control Next kind=1 face=80,24 normal=0,300 place=300,260,80,24
//   end
//
// A control's kind only says how its named fields are laid out (see
// KindFields); the kind itself is not stored, the host passes it later.
// Raw fields u16@N=, s16@N=, u32@N= write any offset from 16 to 63; no byte
// is written by two fields. A UTF-8 byte-order mark at the start is skipped.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "format/skin_writer.h"

namespace lumiq {

struct DescriptionError : std::runtime_error {
    DescriptionError(int line, const std::string& what);
    int line;
};

// Returns the bytes of a file, or throws std::runtime_error.
using FileLoader = std::function<std::vector<std::uint8_t>(const std::string& path)>;

std::vector<std::uint8_t> LoadFile(const std::string& path);

// baseDir is prefixed to relative bitmap paths ("" or ending in a separator).
SkinLayout ParseDescription(std::istream& in, const std::string& baseDir,
                            const FileLoader& load = LoadFile);

enum class FieldType { Pair, Colour, Place, PlaceUnsigned };

struct FieldDef {
    const char* name;
    int offset;
    FieldType type;
};

// The named fields of a control kind; empty for kinds that use none.
std::vector<FieldDef> KindFields(std::uint32_t kind);

// A human-readable listing of a skin file, names escaped; returns false,
// after a line "error: offset N: ..." for each, when the file is damaged, its
// signature is wrong, a bitmap is one the plug-in refuses, a name is empty
// or given twice, or it breaks a rule the packer keeps (format/skin_rules.h).
bool ListSkin(const std::vector<std::uint8_t>& bytes, std::ostream& out);

// The name with quotes, backslashes and bytes outside printable ASCII escaped.
std::string PrintableName(const std::string& name);

}  // namespace lumiq
