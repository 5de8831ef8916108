#pragma once
// The puzzle string: one grid as 81 characters "0".."9" in row-major order,
// "0" for an empty cell. Character k is cell k + 1 (search position k).

#include <QStringView>

#include <optional>
#include <string_view>

#include "core/GridDigits.h"

namespace varelo {

inline constexpr int kPuzzleStringLength = 81;

// The digits of a well-formed puzzle string; nothing for any other text.
std::optional<GridDigits> ParsePuzzleString(std::string_view text);
std::optional<GridDigits> ParsePuzzleString(QStringView text);

QString ToPuzzleString(const GridDigits& digits);

}  // namespace varelo
