#include "colour.h"

namespace veltra {

Colour BlendColour(Colour a, Colour b, int wa, int wb) {
    Colour result = 0;
    const int denominator = wa + wb;
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = int(a >> shift & 0xFF), cb = int(b >> shift & 0xFF);
        const int numerator = ca * wa + cb * wb;
        int q = numerator / denominator;
        const int twiceRest = 2 * (numerator % denominator);
        if (twiceRest > denominator || (twiceRest == denominator && (q & 1))) ++q;
        result |= Colour(q) << shift;
    }
    return result;
}

}  // namespace veltra
