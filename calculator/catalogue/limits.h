#pragma once
// What the exchange and its dialogs allow: the largest counts a configuration
// may hold. The dialogs offer no more; a saved calculation that holds more is
// refused.

namespace veltra {

inline constexpr int kMaxE1Boards = 4;
inline constexpr int kE1Channels = 30;  // per E1 board
inline constexpr int kMaxBaseStations = 60;
inline constexpr int kMaxHandsets = 210;
inline constexpr int kFecuModules = 8;  // options; option 0: no module
// Board variants the line-board dialogs offer, of at most three board kinds.
inline constexpr int kVariantCount = 43;
inline constexpr int kMaxBoardKinds = 3;
// At most this many BRI boards of both kinds together.
inline constexpr int kMaxBriBoards = 3;

}  // namespace veltra
