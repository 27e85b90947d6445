// Icons and words for errors and warnings.
#include "Marks.h"

#include <QApplication>
#include <QStyle>

namespace kvardelon::editor {

QIcon markIcon(std::optional<check::Severity> worst)
{
    if (!worst)
        return {};
    return QApplication::style()->standardIcon(*worst == check::Severity::Error ? QStyle::SP_MessageBoxCritical
                                                                                 : QStyle::SP_MessageBoxWarning);
}

QString markWords(std::optional<check::Severity> worst)
{
    if (!worst)
        return {};
    return *worst == check::Severity::Error ? QStringLiteral(", есть ошибка") : QStringLiteral(", есть предупреждение");
}

QString severityWord(check::Severity severity)
{
    return severity == check::Severity::Error ? QStringLiteral("ошибка") : QStringLiteral("предупреждение");
}

}  // namespace kvardelon::editor
