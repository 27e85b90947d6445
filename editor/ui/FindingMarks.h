// The marks of a finding: an icon for the eye, words for the screen reader.
#pragma once

#include "Problems.h"

#include <QIcon>
#include <QString>

#include <optional>

namespace kvardelon::editor {

// A clear icon of the same size when there is nothing.
QIcon markIcon(std::optional<check::Severity> worst);

// ", есть ошибка", ", есть предупреждение", or nothing.
QString markWords(std::optional<check::Severity> worst);

// "ошибка" or "предупреждение".
QString severityWord(check::Severity severity);

}  // namespace kvardelon::editor
