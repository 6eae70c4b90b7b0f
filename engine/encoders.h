// The symbology encoders that MakeModules dispatches to. Each writes a module pattern
// (overwriting Pattern); some also replace the display text.
#pragma once

#include "engine.h"

#include <string>
#include <string_view>

namespace quillmark {

// The value of a decimal digit; any other character raises EConvertError, so a table
// indexed by digit is never read out of range.
int DigitValue(char Ch);

// Whether every character is '0'..'9' (an empty text is).
bool AllDigits(std::string_view Text);

// The modulo-10 check digit that AppendMod10 appends, with its errors.
char Mod10CheckDigit(std::string_view Value);

// Raises DigitValue's error for the first of Value's first Count characters that is not a
// decimal digit, so that an encoder can check before it writes anything.
void RequireDigits(const std::string& Value, std::size_t Count);

// Two-of-five family, MSI, PostNet, Codabar.
void EncodeCode_2_5_interleaved(const std::string& Value, std::string& Pattern);
void EncodeCode_2_5_industrial(const std::string& Value, std::string& Pattern);
void EncodeCode_2_5_matrix(const std::string& Value, std::string& Pattern);
void EncodeCodeMSI(const std::string& Value, std::string& Pattern);
void EncodeCodePostNet(const std::string& Value, std::string& Pattern);
void EncodeCodeCodabar(const std::string& Value, std::string& Pattern);
int FindCodabarChar(char Ch);
int DigitSum(int Number);

// Code 39 and Code 93.
void EncodeCode39(const std::string& Value, TCheckSum CheckSum, std::string& Pattern);
void EncodeCode39Extended(const std::string& Value, TCheckSum CheckSum, std::string& Pattern);
void EncodeCode93(const std::string& Value, std::string& Pattern);
void EncodeCode93Extended(const std::string& Value, std::string& Pattern);
int FindCode39Char(char Ch);
int FindCode93Char(char Ch);

// Code 128 and EAN-128.
void EncodeCode128(TBarType BarType, const std::string& Value, TCheckSum CheckSum,
                   std::string& Text, std::string& Pattern);
int FindCode128Char(char Ch, TBarType BarType);
int FindCode128Pair(const std::string& Pair);

// EAN and UPC family.
void EncodeCodeEAN8(const std::string& Value, TCheckSum CheckSum, std::string& Pattern);
void EncodeCodeEAN13(const std::string& Value, TCheckSum CheckSum, std::string& Pattern);
void EncodeCodeUPC_A(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                     std::string& Pattern);
void EncodeCodeUPC_E0(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                      std::string& Pattern);
void EncodeCodeUPC_E1(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                      std::string& Pattern);
void EncodeCodeUPC_Supp2(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                         std::string& Pattern);
void EncodeCodeUPC_Supp5(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                         std::string& Pattern);
std::string SetSupplementCheck(const std::string& Digits);

} // namespace quillmark
