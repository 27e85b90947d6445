// Qt's translation and the words it leaves in English.
#include "RussianQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kvardelon::editor {

namespace {

// What a file dialog's list calls a folder, a drive and a link: Qt's Russian translation
// has no words for them, and a teacher met "Folder" in every row.
class MissingWords : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        struct Word {
            const char* english;
            const char* russian;
        };
        static constexpr Word kWords[] = {
            {"Folder", "Папка"}, {"File Folder", "Папка"}, {"Drive", "Диск"},
            {"Shortcut", "Ярлык"}, {"Alias", "Ярлык"},     {"Unknown", "Неизвестно"},
        };
        for (const Word& word : kWords)
            if (qstrcmp(source, word.english) == 0)
                return QString::fromUtf8(word.russian);
        return {};
    }
};

}  // namespace

void speakRussian(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    // On Windows the translation is carried inside the program, which has no Qt beside it.
    for (const QString& folder : {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            break;
        }
    }
    QCoreApplication::installTranslator(new MissingWords(&app));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

}  // namespace kvardelon::editor
