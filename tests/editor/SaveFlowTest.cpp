// The questions asked on saving, answered from a script: what could not be read is never
// written unless the author says so, a link out of the bank is written through only once the
// author knows where it leads, and nothing but a regular file is ever replaced.
#include "BankError.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "QtText.h"
#include "SaveFlow.h"
#include "ScratchBank.h"
#include "ScriptedQuestions.h"

#include <QTemporaryDir>
#include <QTest>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace fs = std::filesystem;

namespace {

// A record in UTF-16, little-endian, as a text editor saves "Unicode".
std::string utf16(bool withMark)
{
    const std::u16string text = QStringLiteral("Столица Франции?\r\nПариж\r\nЛион\r\nНицца\r\nМарсель\r\n1\r\n")
                                    .toStdU16String();
    std::string bytes = withMark ? std::string("\xFF\xFE") : std::string();
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Puts something the editor cannot read in the place of step 2's file; its path, to look at after.
fs::path makeUnreadable(const QString& kind, const test::ScratchBank& scratch)
{
    const fs::path file = scratch.file(2);
    fs::remove(file);
    if (kind.startsWith(QLatin1String("utf16"))) {
        std::ofstream(file, std::ios::binary) << utf16(kind == QLatin1String("utf16WithMark"));
    } else if (kind == QLatin1String("huge")) {
        std::ofstream(file, std::ios::binary) << std::string(20 * 1024 * 1024, 'x');
    } else if (kind == QLatin1String("folder")) {
        fs::create_directory(file);
#ifndef _WIN32
    } else if (kind == QLatin1String("noReadPermission")) {
        std::ofstream(file, std::ios::binary) << "Вопрос\r\n";
        fs::permissions(file, fs::perms::none);
    } else if (kind == QLatin1String("pipe")) {
        ::mkfifo(file.c_str(), 0600);
    } else if (kind == QLatin1String("linkToDevice")) {
        ::mknod((scratch.data() / "device").c_str(), S_IFCHR | 0666, makedev(1, 5));
        fs::create_symlink("device", file);
        return scratch.data() / "device";
#endif
    }
    return file;
}

struct Looked {
    fs::file_type type;
    std::string bytes;  // of a regular file
    bool operator==(const Looked&) const = default;
};

Looked look(const fs::path& place)
{
    const fs::file_type type = fs::symlink_status(place).type();
    return {type, type == fs::file_type::regular && (fs::status(place).permissions() & fs::perms::owner_read) !=
                                                        fs::perms::none
                      ? test::bytesOf(place)
                      : std::string()};
}

}  // namespace

class SaveFlowTest : public QObject {
    Q_OBJECT

private slots:
    void aStepThatCouldNotBeReadIsWrittenOnlyWhenTheAuthorChooses_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("saying");  // what the question says is there
        QTest::addColumn<bool>("replaced");
        QTest::newRow("hugeKept") << "huge" << "Не сохранять эту ступень" << "больше 16 МБ" << false;
        QTest::newRow("hugeReplaced") << "huge" << "Заменить файл" << "больше 16 МБ" << true;
        QTest::newRow("folder") << "folder" << "Сохранить остальные" << "папка" << false;
        QTest::newRow("utf16WithMarkKept") << "utf16WithMark" << "Не сохранять эту ступень" << "в другой кодировке" << false;
        QTest::newRow("utf16WithoutMarkKept") << "utf16" << "Не сохранять эту ступень" << "в другой кодировке" << false;
        QTest::newRow("utf16Replaced") << "utf16WithMark" << "Заменить файл" << "в другой кодировке" << true;
#ifndef _WIN32
        // Permissions that keep the owner out, pipes and device nodes are POSIX's own.
        QTest::newRow("unreadableKept") << "noReadPermission" << "Не сохранять эту ступень" << "нет прав" << false;
        QTest::newRow("unreadableReplaced") << "noReadPermission" << "Заменить файл" << "нет прав" << true;
        QTest::newRow("pipe") << "pipe" << "Сохранить остальные" << "канал" << false;
        QTest::newRow("linkToDevice") << "linkToDevice" << "Сохранить остальные" << "устройство" << false;
#endif
    }

    void aStepThatCouldNotBeReadIsWrittenOnlyWhenTheAuthorChooses()
    {
        QFETCH(QString, kind);
        QFETCH(QString, press);
        QFETCH(QString, saying);
        QFETCH(bool, replaced);
#ifndef _WIN32
        if (kind == QLatin1String("noReadPermission") && geteuid() == 0)
            QSKIP("the superuser reads any file");
        if (kind == QLatin1String("linkToDevice") && geteuid() != 0)
            QSKIP("only the superuser makes a device node");
#endif
        test::ScratchBank scratch;
        const fs::path place = makeUnreadable(kind, scratch);
        const Looked before = look(place);
        OpenBank bank;
        bank.open(scratch.data());
        QVERIFY(!bank.step(2).readError.isEmpty());
        bank.insertRecord({2, 0}, asNew(bank.record({3, 0})), QStringLiteral("новый вопрос"));
        bank.setText({5, 0}, RecordField::Question, "Другая ступень сохраняется");
        LiveCheck check(bank, {});
        test::ScriptedQuestions questions;
        questions.press(QStringLiteral("Сохранить с ошибками")).press(press);

        const SaveOutcome outcome = saveWithQuestions(questions, bank, check, {});
        QVERIFY2(questions.seen().contains(saying), qPrintable(questions.seen()));
        QVERIFY2(questions.seen().contains(pathText(place.filename())), qPrintable(questions.seen()));
        QVERIFY2(!questions.seen().contains(QStringLiteral("другой программе")), qPrintable(questions.seen()));
        QCOMPARE(questions.unused(), 0);
        QCOMPARE(outcome, replaced ? SaveOutcome::Saved : SaveOutcome::PartlySaved);
        QCOMPARE(bank.isModified(2), !replaced);
        QVERIFY(!bank.isModified(5));
        if (!replaced) {
            QVERIFY(look(place) == before);
            return;
        }
        // What replaced it is a file the game reads, holding what the editor shows.
        QVERIFY((fs::status(place).permissions() & fs::perms::owner_read) != fs::perms::none);
        OpenBank again;
        again.open(scratch.data());
        QVERIFY(again.step(2).readError.isEmpty());
        QCOMPARE(again.recordCount(2), 1);
    }

    // The game stops at a line longer than it reads; the reader of the editor would keep it.
    // Such a step is never written, whatever the author said about errors.
    void aLineLongerThanTheGameReadsIsNeverSaved_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("outcome");
        QTest::newRow("savingTheRest") << "Сохранить остальные" << static_cast<int>(SaveOutcome::PartlySaved);
        QTest::newRow("cancelled") << "Отмена" << static_cast<int>(SaveOutcome::Cancelled);
    }

    void aLineLongerThanTheGameReadsIsNeverSaved()
    {
        QFETCH(QString, press);
        QFETCH(int, outcome);
        test::ScratchBank scratch;
        const auto before = scratch.state();
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({3, 4}, RecordField::AnswerC, std::string(kMaxLineBytes + 1, 'x'));
        bank.setText({5, 0}, RecordField::Question, "Другая ступень сохраняется");
        LiveCheck check(bank, {});
        test::ScriptedQuestions questions;
        questions.press(QStringLiteral("Сохранить с ошибками")).press(press);

        QCOMPARE(static_cast<int>(saveWithQuestions(questions, bank, check, {})), outcome);
        QCOMPARE(questions.unused(), 0);
        QVERIFY2(questions.seen().contains(QStringLiteral("ступень 3) в вопросе 5 есть строка длиннее 65536 байт")),
                 qPrintable(questions.seen().right(2000)));
        QVERIFY(scratch.state()[2] == before[2]);
        QCOMPARE(bank.isModified(3), true);
        QCOMPARE(scratch.state()[4] == before[4], outcome == static_cast<int>(SaveOutcome::Cancelled));
    }

    // A character windows-1251 lacks is shown in the question as itself when it can be seen,
    // by its code when it cannot: a right-to-left mark printed as itself turns the line around.
    void anInvisibleCharacterIsNamedByItsCode_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("shown");
        QTest::newRow("rightToLeftOverride") << QStringLiteral("\u202E") << QStringLiteral("U+202E");
        QTest::newRow("zeroWidthSpace") << QStringLiteral("\u200B") << QStringLiteral("U+200B");
        QTest::newRow("lineSeparator") << QStringLiteral("\u2028") << QStringLiteral("U+2028");
        QTest::newRow("combiningAccent") << QStringLiteral("\u0301") << QStringLiteral("U+0301");
        QTest::newRow("visibleOmega") << QStringLiteral("Ω") << QStringLiteral("«Ω»");
    }

    void anInvisibleCharacterIsNamedByItsCode()
    {
        QFETCH(QString, character);
        QFETCH(QString, shown);
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({4, 0}, RecordField::AnswerB, utf8(QStringLiteral("до ") + character + QStringLiteral(" после")));
        LiveCheck check(bank, {});
        test::ScriptedQuestions questions;
        questions.press(QStringLiteral("Сохранить с ошибками")).press(QStringLiteral("Отмена"));
        saveWithQuestions(questions, bank, check, {});
        const QString asked = questions.asked().last();
        QVERIFY2(asked.contains(shown), qPrintable(asked));
        if (shown.startsWith(u'U'))
            QVERIFY2(!asked.contains(character), qPrintable(asked));
    }

#ifndef _WIN32
    // A symbolic link needs a privilege on Windows that a test does not have.
    void aLinkOutOfTheBankIsWrittenThroughOnlyOnceTheAuthorKnowsWhere_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("written");
        QTest::newRow("kept") << "Не сохранять эту ступень" << false;
        QTest::newRow("writtenThrough") << "Сохранить в тот файл" << true;
    }

    void aLinkOutOfTheBankIsWrittenThroughOnlyOnceTheAuthorKnowsWhere()
    {
        QFETCH(QString, press);
        QFETCH(bool, written);
        test::ScratchBank scratch;
        const QTemporaryDir elsewhere;
        const fs::path own = toPath(elsewhere.path()) / "мои вопросы.txt";
        fs::rename(scratch.file(3), own);
        fs::create_symlink(own, scratch.file(3));
        const std::string before = test::bytesOf(own);
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({3, 0}, RecordField::Question, "Изменено в редакторе");
        LiveCheck check(bank, {});
        test::ScriptedQuestions questions;
        questions.press(press);

        saveWithQuestions(questions, bank, check, {});
        QVERIFY2(questions.seen().contains(pathText(own)), qPrintable(questions.seen()));
        QCOMPARE(questions.unused(), 0);
        QCOMPARE(test::bytesOf(own) != before, written);
        QVERIFY(fs::is_symlink(scratch.file(3)));
        QCOMPARE(bank.isModified(3), !written);
    }
#endif
};

QTEST_GUILESS_MAIN(SaveFlowTest)
#include "SaveFlowTest.moc"
