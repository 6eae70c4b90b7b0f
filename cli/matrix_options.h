// The options only some symbologies take: the two-dimensional symbols' error correction,
// version, size and Digital Link domain, ITF-14's bearers, GS1 DataBar Expanded Stacked's
// segments, and the bar height and ratio of rows of bars.
#pragma once

#include <quillmark/module_grid.h>

#include <string>
#include <string_view>

namespace quillmark::cli {

// Raises UsageError when Option (a long name) is one that Type doesn't take, naming the
// types that do: a user who typed it expects it to change the symbol.
void RefuseWhereInapplicable(std::string_view Option, TBarType Type);

// Whether Option (a long name) is one that Type takes; true for the options every type takes.
bool Applies(std::string_view Option, TBarType Type);

// --qr-version for Type: auto (0), or a version from 1, written Mn or n for Micro QR Code.
int QrVersion(const std::string& Text, TBarType Type);

// --segments: an even count of GS1 DataBar Expanded Stacked's segments a row, from
// ExpandedSegmentsLeast to ExpandedSegmentsMost.
int DataBarSegments(const std::string& Text);

// --bearer-width: N modules, or Nmm rounded to whole modules of XDimensionMM; from
// ITF14Facts.BearerMinModules to MaxRasterSide modules.
int BearerModules(const std::string& Text, double XDimensionMM);

// --dm-size into Options: the smallest symbol of a shape, or a fixed ROWSxCOLUMNS.
void SetDataMatrixSize(TMatrixOptions& Options, const std::string& Text);

// Raises UsageError where Options name no symbol of Type whatever the value: a level a
// Micro QR version lacks, a size ISO/IEC 16022 doesn't have, a malformed domain.
void CheckMatrixOptions(TBarType Type, const TMatrixOptions& Options);

} // namespace quillmark::cli
