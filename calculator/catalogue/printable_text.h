#pragma once
// Text from a file on its way to a message box or a terminal. A control
// character could forge a line, ring the bell, retitle the terminal or cut
// the message short at a NUL; a reordering mark could make a name read
// backwards; a value of megabytes would freeze the box that shows it. Such
// text is shown with the characters replaced and cut to an excerpt.

#include <cstddef>
#include <string>
#include <string_view>

namespace veltra {

// What a replaced character or an invalid UTF-8 byte shows.
inline constexpr const char* kReplacementMark = "\uFFFD";
// The longest value a message quotes, in characters.
inline constexpr size_t kExcerptCharacters = 80;

// Every C0 and C1 control character, DEL, the line and paragraph separators
// and the bidirectional controls replaced; invalid UTF-8 too.
std::string PrintableText(std::string_view text);

// PrintableText of at most `characters` characters; a longer text is cut
// and ends in "…". Reads only what it keeps.
std::string Excerpt(std::string_view text, size_t characters = kExcerptCharacters);

// A message assembled by the program for a terminal: its own line breaks and
// tabs stay, every other control character is replaced.
std::string TerminalText(std::string_view message);

}  // namespace veltra
