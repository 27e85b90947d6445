// The editor's help: its paragraphs, and the spreadsheet's columns from the import's own table.
#include "EditorHelp.h"

#include "SpreadsheetColumns.h"

#include <QStringList>

namespace kvardelon::editor {

namespace {

// The help, a paragraph each.
const char* const kHelp[] = {
    "В банке пятнадцать ступеней, по одной на каждый приз: от 100 рублей (ступень 1) до 1 000 000 "
    "(ступень 15). Где банк лежит на диске, скажет «Файл → Где лежит банк…» (Ctrl+Shift+O).",
    "Когда игра доходит до ступени, она наугад берёт один из первых десяти вопросов этой ступени. Поэтому на "
    "каждой ступени нужно не меньше десяти вопросов; вопросы после десятого игра не показывает (они в списке "
    "серые).",
    "У вопроса четыре ответа, A, B, C и D; правильный отмечается кружком слева от ответа (или Ctrl+1 … Ctrl+4). "
    "Справа от поля видно, сколько строк текст займёт на экране игры (полоска — сколько их заполнено). "
    "Внизу окна — замечания: щелчок по "
    "замечанию ведёт к вопросу.",
    "Редактор следит, чтобы ваши вопросы играли. Если на ступени уже десять вопросов, новый вопрос (Ctrl+N) или "
    "копия вопроса (Ctrl+D) займёт место одного из них — редактор спросит, какого, и тот уйдёт из банка. Можно и "
    "поставить вопрос после десятого, но тогда игра его не покажет. Копия повторяет вопрос слово в слово, и "
    "проверка отмечает повтор, пока вы её не измените.",
    "Вопрос, перенесённый на ступень, где уже десять вопросов (Ctrl+M или мышью на ступень), меняется местами с "
    "тем из них, который вы выберете: тот переходит на ступень, откуда пришёл перенесённый, и из банка ничего не "
    "уходит.",
    "Викторина только из ваших вопросов: выберите «Только мои вопросы» при создании банка или в «Дополнить ступени "
    "до десяти вопросов». Тогда на ступени может быть хоть один ваш вопрос: при сохранении редактор повторит "
    "ваши вопросы по кругу до десяти, а показывать будет каждый один раз. Под списком вопросов ступени сказано, "
    "как часто игра будет выбирать каждый.",
    "«Дополнить ступени до десяти вопросов» (Ctrl+Shift+T) добавляет на ступени, где вопросов меньше десяти, "
    "ваши вопросы по кругу, вопросы игры или вопросы для класса — из готовых банков только те, которых в вашем "
    "банке ещё нет; заранее видно, что куда добавится.",
    "Вопросы из таблицы (Ctrl+I) встают первыми на своей ступени, а прежние дополняют её до десяти; "
    "остальные прежние уходят из банка. Перед импортом видно, сколько вопросов из таблицы будет играть и какие "
    "прежние уйдут; можно выбрать и другое: заменить ими ступень или поставить их после прежних. Как должна "
    "выглядеть таблица — в конце справки.",
    "Каждое действие можно отменить (Ctrl+Z) и повторить (Ctrl+Shift+Z). Сохранение (Ctrl+S) записывает только "
    "изменённые ступени. «Играть» (F5) запускает игру на этом банке, «Играть на проекторе» (Shift+F5) — "
    "так крупно, как позволяет экран, на тёмном фоне; редактор вернётся, когда игра закончится.",
};

// How a column named just «Ответ» is read (SpreadsheetColumns.h says why).
const char* const kLoneAnswer = "«Ответ» без буквы или цифры — столбец верного ответа, если нет столбца «Верный» "
                                "или «Правильный». Буквы А, Б, В, Г — русские, если в названиях нет латинских.";

QString otherNames(const ColumnNames& column)
{
    return column.names.mid(1).join(QStringLiteral(", "));
}

}  // namespace

QString editorHelp()
{
    QStringList paragraphs;
    for (const char* paragraph : kHelp)
        paragraphs.append(QString::fromUtf8(paragraph));
    paragraphs.append(spreadsheetHelp());
    return paragraphs.join(QStringLiteral("\n\n"));
}

QString spreadsheetHelp()
{
    QStringList lines{QStringLiteral("Таблица для импорта. В первой строке — названия столбцов, в любом порядке; "
                                     "большие и маленькие буквы, пробелы и «ё» не важны:")};
    for (const ColumnNames& column : tableColumns())
        lines.append(QStringLiteral("  %1 (или %2) — %3;")
                         .arg(column.names.first(), otherNames(column), QString::fromUtf8(column.holds)));
    lines.append(QString::fromUtf8(kLoneAnswer));
    lines.append(QStringLiteral("Например:"));
    for (const QString& row : exampleTable())
        lines.append(QStringLiteral("  ") + row);
    lines.append(QStringLiteral("Сохраните таблицу как «CSV UTF-8» или просто CSV (разделитель — точка с запятой "
                                "или запятая); подойдёт и «Текст Юникод». Столбцы, которых редактор не понял, "
                                "он назовёт до импорта. Экспорт (Ctrl+Shift+E) пишет таблицу с этими же столбцами, верный ответ — цифрой 1–4: "
                                "она открывается двойным щелчком."));
    return lines.join(u'\n');
}

QString spreadsheetHelpForReadme()
{
    QStringList lines{QString::fromUtf8(kReadmeColumnsBegin), {},
                      QStringLiteral("| Столбец | Другие названия | Что в нём |"), QStringLiteral("|---|---|---|")};
    for (const ColumnNames& column : tableColumns())
        lines.append(QStringLiteral("| %1 | %2 | %3 |")
                         .arg(column.names.first(), otherNames(column), QString::fromUtf8(column.holds)));
    lines.append(QString());
    lines.append(QString::fromUtf8(kLoneAnswer));
    lines.append(QString());
    lines.append(QStringLiteral("```"));
    lines.append(exampleTable());
    lines.append(QStringLiteral("```"));
    lines.append(QString());
    lines.append(QString::fromUtf8(kReadmeColumnsEnd));
    return lines.join(u'\n') + u'\n';
}

}  // namespace kvardelon::editor
