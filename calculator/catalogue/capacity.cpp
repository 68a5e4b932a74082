#include "capacity.h"

namespace veltra {

Count CountBoards(const ConfigState& s, bool mfu) {
    return s.FixedBoards + s.AnalogExt8Boards + s.AnalogExt16Boards + s.DigitalExt8Boards +
           s.DigitalExt16Boards + s.DigitalExt32Boards + Count(mfu) + s.IcluBoards + s.IccuBoards +
           s.AnalogTrunkBoards + s.E1Boards + s.Bri16Boards + s.Bri8Boards + s.Ipu4Present +
           s.Ipu8Present;
}

Count CountExtensionLines(const ConfigState& s, bool mfu) {
    return 8 * s.AnalogExt8Boards + 16 * s.AnalogExt16Boards + 8 * s.DigitalExt8Boards +
           16 * s.DigitalExt16Boards + 32 * s.DigitalExt32Boards + 12 * Count(mfu) + s.HandsetCount;
}

Count CountTrunkLines(const ConfigState& s, bool mfu) {
    return 8 * s.IcluBoards + 8 * Count(mfu) + 8 * s.IccuBoards + 8 * s.AnalogTrunkBoards +
           30 * s.E1Boards + 16 * s.Bri16Boards + 4 * s.Bri8Boards + 8 * s.Ipu8Present +
           4 * s.Ipu4Present;
}

Count CountAllLines(const ConfigState& s, bool mfu) {
    return CountTrunkLines(s, mfu) + CountExtensionLines(s, mfu);
}

}  // namespace veltra
