#pragma once

#include <QVector>
#include <array>

// Measured values: row 0 the time stamps (TDateTime) or X values, row 1 the values. Both
// rows always have the same length. Graph curves hold their points in the same type.
using TMesswerte = std::array<QVector<double>, 2>;
