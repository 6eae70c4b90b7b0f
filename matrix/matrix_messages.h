// The matrix library's failure sentences, each written once; each names what to change.
#pragma once

#include "symbol_limits.h"

#include <cstddef>
#include <string>

namespace quillmark {

inline constexpr char NoDataMessage[] = "no data to encode; give at least one byte";

inline std::string QrLevelName(int Level) {
    return std::string(1, "LMQH"[Level]);
}

inline std::string QrSymbolName(bool Micro) {
    return Micro ? "Micro QR Code" : "QR Code";
}

inline std::string QrVersionName(bool Micro, int Version) {
    return (Micro ? "M" : "") + std::to_string(Version);
}

inline std::string QrVersionMissing(bool Micro, int Version, int Largest) {
    return QrSymbolName(Micro) + " has no version " + QrVersionName(Micro, Version) +
           "; choose 0 (automatic) or " + QrVersionName(Micro, 1) + " to " +
           QrVersionName(Micro, Largest);
}

inline std::string QrTooMuchFixed(bool Micro, int Version, int Level, std::size_t Bytes) {
    return "too much data for " + QrSymbolName(Micro) + " version " +
           QrVersionName(Micro, Version) + " at level " + QrLevelName(Level) + ": " +
           std::to_string(Bytes) + " bytes; choose a higher version or a lower level";
}

inline std::string QrTooMuchAutomatic(bool Micro, int Level, std::size_t Bytes) {
    return "too much data for " + QrSymbolName(Micro) + " at level " + QrLevelName(Level) + ": " +
           std::to_string(Bytes) + " bytes; choose a lower level" + (Micro ? ", QR Code" : "") +
           " or shorten the data";
}

inline std::string QrLevelUnknown(int Level) {
    return "QR Code has no error correction level " + std::to_string(Level) +
           "; choose L, M, Q or H";
}

inline std::string QrLevelMissing(bool Micro, int Version, int Level) {
    return QrSymbolName(Micro) + " version " + QrVersionName(Micro, Version) + " has no level " +
           QrLevelName(Level) + "; choose a lower level" +
           (Version < LargestMicroVersion ? " or a higher version" : "");
}

inline std::string DataMatrixSizeMissing(int Rows, int Columns) {
    return "Data Matrix has no " + std::to_string(Rows) + "x" + std::to_string(Columns) +
           " symbol; choose 0x0 (automatic), a square from 10x10 to 144x144 or a rectangle from "
           "8x18 to 16x48";
}

inline std::string DataMatrixTooMuchFixed(int Rows, int Columns, std::size_t Bytes) {
    return "too much data for Data Matrix " + std::to_string(Rows) + "x" + std::to_string(Columns) +
           ": " + std::to_string(Bytes) + " bytes; choose a larger size or 0x0 (automatic)";
}

inline std::string DataMatrixLargestMissing(std::size_t Bytes) {
    return "Data Matrix 144x144 is not available (libdmtx's symbols of that size do not read "
           "back): " +
           std::to_string(Bytes) + " bytes; choose 132x132 or smaller and shorten the data to fit";
}

inline std::string DataMatrixTooMuchAutomatic(const std::string& Shape, std::size_t Bytes) {
    return "too much data for a " + Shape + " Data Matrix: " + std::to_string(Bytes) +
           " bytes; choose another shape or shorten the data";
}

} // namespace quillmark
