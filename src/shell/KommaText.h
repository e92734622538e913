#pragma once

#include <QString>
#include <QStringList>

// Splits a text the way the old runtime split delimited text: fields are separated by ","
// and also by blanks and control characters; a field in double quotes keeps its blanks and
// commas (a doubled quote inside stands for one); an empty field between two commas, or
// after a final comma, is an empty string.
QStringList KommaTextZerlegen(const QString& text);
