// The checked extended arithmetic on any operands, infinities and NaNs included: every
// operation gives a finite number or raises a FloatError.
#include "kit/checked.h"
#include "tests/fuzz/fuzzinput.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const uint8_t operation = input.take<uint8_t>();
    const bool wide = operation & 0x80;
    const zerval::Ext a =
        wide ? zerval::Ext(input.take<long double>()) : zerval::Ext(input.take<double>());
    const zerval::Ext b =
        wide ? zerval::Ext(input.take<long double>()) : zerval::Ext(input.take<double>());
    try {
        zerval::Ext result;
        switch (operation % 9) {
        case 0:
            result = a + b;
            break;
        case 1:
            result = a - b;
            break;
        case 2:
            result = a * b;
            break;
        case 3:
            result = a / b;
            break;
        case 4:
            result = zerval::floorExt(a);
            break;
        case 5:
            result = zerval::sqrtExt(a);
            break;
        case 6:
            result = zerval::powExt(a, b);
            break;
        case 7:
            result = zerval::Ext(a.toDouble());
            break;
        default:
            result = zerval::Ext(zerval::narrow(zerval::checked(a.raw())));
            break;
        }
        if (!std::isfinite(result.raw())) std::abort();
    } catch (const zerval::FloatError&) {
    }
    return 0;
}
