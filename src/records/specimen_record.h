#pragma once

#include <QByteArray>

#include <array>

// The six cells of one register entry, in their fixed order.
enum Column { SpecimenNumber, GroupCount, Location, MoldingDate, Age, DueDate };
inline constexpr int kColumnCount = 6;

using SpecimenRecord = std::array<QByteArray, kColumnCount>;
