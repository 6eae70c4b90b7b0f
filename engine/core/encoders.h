// The symbology encoders that MakeModules dispatches to. Each writes a module pattern
// (overwriting Pattern); some also replace the display text.
#pragma once

#include "quillmark_engine_export.h"

#include "engine.h"

#include <string>
#include <string_view>

namespace quillmark {

// The value of a decimal digit; any other character raises EConvertError, so a table
// indexed by digit is never read out of range.
QUILLMARK_ENGINE_EXPORT int DigitValue(char Ch);

// Whether every character is '0'..'9' (an empty text is).
QUILLMARK_ENGINE_EXPORT bool AllDigits(std::string_view Text);

// The modulo-10 check digit that AppendMod10 appends, with its errors.
QUILLMARK_ENGINE_EXPORT char Mod10CheckDigit(std::string_view Value);

// Raises DigitValue's error for the first of Value's first Count characters that is not a
// decimal digit, so that an encoder can check before it writes anything.
QUILLMARK_ENGINE_EXPORT void RequireDigits(const std::string& Value, std::size_t Count);

// Two-of-five family, MSI, PostNet, Codabar.
QUILLMARK_ENGINE_EXPORT void EncodeCode_2_5_interleaved(const std::string& Value,
                                                        std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCode_2_5_industrial(const std::string& Value,
                                                       std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCode_2_5_matrix(const std::string& Value, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeMSI(const std::string& Value, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodePostNet(const std::string& Value, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeCodabar(const std::string& Value, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT int FindCodabarChar(char Ch);
QUILLMARK_ENGINE_EXPORT int DigitSum(int Number);
// The POSTNET correction digit of a string of digits: what brings their sum to a multiple of
// ten (USPS Publication 25). The encoder draws the value as it stands; this is for checking.
QUILLMARK_ENGINE_EXPORT char PostNetCorrectionDigit(std::string_view Digits);

// Code 39 and Code 93.
QUILLMARK_ENGINE_EXPORT void EncodeCode39(const std::string& Value, TCheckSum CheckSum,
                                          std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCode39Extended(const std::string& Value, TCheckSum CheckSum,
                                                  std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCode93(const std::string& Value, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCode93Extended(const std::string& Value, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT int FindCode39Char(char Ch);
QUILLMARK_ENGINE_EXPORT int FindCode93Char(char Ch);

// Code 128 and EAN-128.
QUILLMARK_ENGINE_EXPORT void EncodeCode128(TBarType BarType, const std::string& Value,
                                           TCheckSum CheckSum, std::string& Text,
                                           std::string& Pattern);
QUILLMARK_ENGINE_EXPORT int FindCode128Char(char Ch, TBarType BarType);
QUILLMARK_ENGINE_EXPORT int FindCode128Pair(const std::string& Pair);
// Code 128 in the shortest run of code sets A, B and C for any bytes, Latin-1 through FNC4.
QUILLMARK_ENGINE_EXPORT void EncodeCode128Auto(const std::string& Value, std::string& Pattern);
// GS1-128 from element strings in parentheses; Text becomes them as a person reads them.
QUILLMARK_ENGINE_EXPORT void EncodeGS1_128(const std::string& Value, TCheckSum CheckSum,
                                           std::string& Text, std::string& Pattern);
// What a GS1-128 symbol of Value holds, as a reader gives it back: the element strings,
// a GS (0x1D) after each one of variable length that isn't last. Raises as ParseGS1 does.
QUILLMARK_ENGINE_EXPORT std::string GS1ElementString(const std::string& Value);

// EAN and UPC family.
QUILLMARK_ENGINE_EXPORT void EncodeCodeEAN8(const std::string& Value, TCheckSum CheckSum,
                                            std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeEAN13(const std::string& Value, TCheckSum CheckSum,
                                             std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeUPC_A(const std::string& Value, TCheckSum CheckSum,
                                             std::string& Text, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeUPC_E0(const std::string& Value, TCheckSum CheckSum,
                                              std::string& Text, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeUPC_E1(const std::string& Value, TCheckSum CheckSum,
                                              std::string& Text, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeUPC_Supp2(const std::string& Value, TCheckSum CheckSum,
                                                 std::string& Text, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT void EncodeCodeUPC_Supp5(const std::string& Value, TCheckSum CheckSum,
                                                 std::string& Text, std::string& Pattern);
QUILLMARK_ENGINE_EXPORT std::string SetSupplementCheck(const std::string& Digits);

} // namespace quillmark
