// The fuzz targets' one assertion: a property that does not hold stops the
// run where libFuzzer records the input.
#pragma once

namespace fuzz {

inline void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace fuzz
