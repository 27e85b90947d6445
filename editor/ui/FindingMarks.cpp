// Icons and words for errors and warnings.
#include "FindingMarks.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

namespace kvardelon::editor {

QIcon markIcon(std::optional<check::Severity> worst)
{
    if (!worst) {
        // A clear mark keeps the text of every row where the marked rows have it.
        QPixmap clear(16, 16);
        clear.fill(Qt::transparent);
        return QIcon(clear);
    }
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
