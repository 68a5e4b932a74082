#include "capacity.h"

namespace veltra {

Count CountBoards(const ConfigState& s, bool mfu) {
    return s.limits.FixedBoards + s.config.AnalogExt8Boards + s.config.AnalogExt16Boards +
           s.config.DigitalExt8Boards + s.config.DigitalExt16Boards + s.config.DigitalExt32Boards +
           Count(mfu) + s.config.IcluBoards + s.config.IccuBoards + s.config.AnalogTrunkBoards +
           s.config.E1Boards + s.config.Bri16Boards + s.config.Bri8Boards + s.config.Ipu4Present +
           s.config.Ipu8Present;
}

Count CountExtensionLines(const Configuration& c, bool mfu) {
    return 8 * c.AnalogExt8Boards + 16 * c.AnalogExt16Boards + 8 * c.DigitalExt8Boards +
           16 * c.DigitalExt16Boards + 32 * c.DigitalExt32Boards + 12 * Count(mfu) + c.HandsetCount;
}

Count CountTrunkLines(const Configuration& c, bool mfu) {
    return 8 * c.IcluBoards + 8 * Count(mfu) + 8 * c.IccuBoards + 8 * c.AnalogTrunkBoards +
           30 * c.E1Boards + 16 * c.Bri16Boards + 4 * c.Bri8Boards + 8 * c.Ipu8Present +
           4 * c.Ipu4Present;
}

Count CountAllLines(const Configuration& c, bool mfu) {
    return CountTrunkLines(c, mfu) + CountExtensionLines(c, mfu);
}

}  // namespace veltra
