// The Code 128 code set a bar type is written in, and whether it is an EAN-128 (FNC1
// after the start); read by the encoder and by what a symbol carries.
#pragma once

#include "engine.h"

namespace quillmark {

inline bool UsesSetA(TBarType BarType) {
    return BarType == bcCode128A || BarType == bcCodeEAN128A;
}

inline bool UsesSetC(TBarType BarType) {
    return BarType == bcCode128C || BarType == bcCodeEAN128C;
}

inline bool IsEAN128(TBarType BarType) {
    return BarType == bcCodeEAN128A || BarType == bcCodeEAN128B || BarType == bcCodeEAN128C;
}

} // namespace quillmark
