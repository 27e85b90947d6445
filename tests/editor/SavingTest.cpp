// Saving: untouched files keep their bytes and times, one change writes one file, the
// characters windows-1251 lacks are named, a file that cannot be written keeps the text.
#include "BankCheck.h"
#include "BankText.h"
#include "OpenBank.h"
#include "QtText.h"
#include "Saving.h"
#include "ShippedBanks.h"
#include "ScratchBank.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace kvardelon;
using namespace kvardelon::editor;

namespace fs = std::filesystem;

namespace {

// The records the game reads from a file, in order.
std::vector<Record> readAsTheGame(const std::string& bytes, const fs::path& file)
{
    RecordReader reader(bytes, file, 1);
    std::vector<Record> records;
    while (std::optional<Record> record = reader.next())
        records.push_back(*record);
    return records;
}

// Makes the bank's folder unwritable in one of the ways a teacher meets; undone on destruction.
class Obstacle {
public:
    Obstacle(const QString& kind, const fs::path& data) : kind_(kind), data_(data)
    {
        if (kind_ == QLatin1String("readOnlyFolder")) {
            fs::permissions(data_, fs::perms::owner_read | fs::perms::owner_exec);
        } else if (kind_ == QLatin1String("folderGone")) {
            fs::rename(data_, fs::path(data_).concat(".moved"));
            std::ofstream(data_) << "not a folder";
        } else if (kind_ == QLatin1String("folderDeleted")) {
            fs::rename(data_, fs::path(data_).concat(".moved"));
        } else if (kind_ == QLatin1String("folderInFilesPlace")) {
            fs::rename(data_ / "qw12.txt", data_ / "qw12.moved");
            fs::create_directory(data_ / "qw12.txt");
        } else {
#ifndef _WIN32
            // No room for more than a few bytes in any file: a full disk as a writer sees it.
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &saved_);
            rlimit tight = saved_;
            tight.rlim_cur = 64;
            setrlimit(RLIMIT_FSIZE, &tight);
#endif
        }
    }

    ~Obstacle()
    {
        if (kind_ == QLatin1String("readOnlyFolder")) {
            fs::permissions(data_, fs::perms::owner_all);
        } else if (kind_ == QLatin1String("folderGone")) {
            fs::remove(data_);
            fs::rename(fs::path(data_).concat(".moved"), data_);
        } else if (kind_ == QLatin1String("folderDeleted")) {
            fs::rename(fs::path(data_).concat(".moved"), data_);
        } else if (kind_ == QLatin1String("folderInFilesPlace")) {
            fs::remove(data_ / "qw12.txt");
            fs::rename(data_ / "qw12.moved", data_ / "qw12.txt");
        } else {
#ifndef _WIN32
            setrlimit(RLIMIT_FSIZE, &saved_);
#endif
        }
    }

    Obstacle(const Obstacle&) = delete;
    Obstacle& operator=(const Obstacle&) = delete;

private:
    QString kind_;
    fs::path data_;
#ifndef _WIN32
    rlimit saved_{};
#endif
};

}  // namespace

class SavingTest : public QObject {
    Q_OBJECT

private slots:
    void openingAndSavingWithNoChangeKeepsEveryByteAndTime_data()
    {
        QTest::addColumn<QString>("bank");
        for (const test::ShippedBank& bank : test::kShippedBanks)
            QTest::newRow(bank.name) << QString::fromLatin1(bank.folder);
    }

    void openingAndSavingWithNoChangeKeepsEveryByteAndTime()
    {
        QFETCH(QString, bank);
        test::ScratchBank scratch(bank.toLatin1().constData());
        const auto before = scratch.state();
        OpenBank opened;
        opened.open(scratch.data());
        opened.setText({4, 4}, RecordField::Question, "изменено");
        opened.undoStack().undo();
        const SavePlan plan = planSave(opened);
        QVERIFY(plan.steps.empty());
        QVERIFY(saveSteps(opened, plan.steps).error.isEmpty());
        QVERIFY(scratch.state() == before);

        // Saved elsewhere whole, every file comes out as it came in.
        const QTemporaryDir elsewhere;
        QVERIFY(saveAs(opened, fs::path(elsewhere.path().toStdString()) / "data").isEmpty());
        for (int step = 1; step <= kSteps; ++step)
            QCOMPARE(test::bytesOf(opened.step(step).path), scratch.bytes(step));
        QVERIFY(scratch.state() == before);
    }

    void oneChangeWritesOnlyItsFileAndTheGameReadsIt()
    {
        test::ScratchBank scratch;
        const auto before = scratch.state();
        const std::size_t findingsBefore = check::checkBank(scratch.data()).size();
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({7, 2}, RecordField::Question, "Как зовут кота учительницы?");
        const SavePlan plan = planSave(bank);
        QCOMPARE(plan.steps, std::vector<int>{7});
        QVERIFY(saveSteps(bank, plan.steps).error.isEmpty());
        QVERIFY(!bank.isModified());

        const auto after = scratch.state();
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i] == before[i], i != 6);
        const std::vector<Record> read = readAsTheGame(scratch.bytes(7), scratch.file(7));
        QCOMPARE(read.at(2).question, std::string("Как зовут кота учительницы?"));
        QCOMPARE(scratch.bytes(7).find("\r\n") != std::string::npos, true);
        QCOMPARE(detectEncoding(scratch.bytes(7)), Encoding::Cp1251);
        QCOMPARE(check::checkBank(scratch.data()).size(), findingsBefore);
    }

    // A windows-1251 text whose bytes UTF-8 would read otherwise is saved with the mark: a
    // change like any other, so that undoing everything and saving gives the opened bytes back.
    void savingWithTheMarkToKeepTheMeaningIsUndoneLikeAnyChange()
    {
        test::ScratchBank scratch;
        std::string ascii;
        for (int record = 1; record <= 10; ++record)
            ascii += "q" + std::to_string(record) + "\r\na\r\nb\r\nc\r\nd\r\n1\r\n";
        scratch.write(2, ascii);
        OpenBank bank;
        bank.open(scratch.data());
        // "Рџ" is D0 9F in windows-1251, which UTF-8 reads as "П".
        bank.setText({2, 0}, RecordField::Question, "Рџ");
        QVERIFY(saveSteps(bank, planSave(bank).steps).error.isEmpty());
        QCOMPARE(detectEncoding(scratch.bytes(2)), Encoding::Utf8WithMark);
        QCOMPARE(readAsTheGame(scratch.bytes(2), scratch.file(2)).at(0).question, std::string("Рџ"));
        QVERIFY(!bank.isModified());

        while (bank.undoStack().canUndo())
            bank.undoStack().undo();
        QVERIFY(saveSteps(bank, planSave(bank).steps).error.isEmpty());
        QCOMPARE(scratch.bytes(2), ascii);
    }

    void charactersWindows1251LacksAreNamedAndReplacedOrSavedAsUtf8_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("replaced");
        QTest::newRow("times") << QStringLiteral("2 × 2") << QStringLiteral("×") << QStringLiteral("2 x 2");
        QTest::newRow("emoji") << QStringLiteral("Кот 🐈") << QStringLiteral("🐈") << QStringLiteral("Кот ");
        QTest::newRow("letterWithMark") << QStringLiteral("Café") << QStringLiteral("é") << QStringLiteral("Cafe");
        QTest::newRow("greek") << QStringLiteral("Ω-3") << QStringLiteral("Ω") << QStringLiteral("-3");
    }

    void charactersWindows1251LacksAreNamedAndReplacedOrSavedAsUtf8()
    {
        QFETCH(QString, typed);
        QFETCH(QString, character);
        QFETCH(QString, replaced);
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({3, 5}, RecordField::AnswerB, typed.toStdString());
        const SavePlan plan = planSave(bank);
        QCOMPARE(plan.unencodable.size(), std::size_t{1});
        const auto& place = plan.unencodable.at(3).front();
        QCOMPARE(place.record, 5);
        QCOMPARE(place.field, 2);
        QCOMPARE(QString::fromStdString(place.character.text), character);
        QCOMPARE(QString::fromStdString(withReplacements(typed.toStdString())), replaced);

        bank.setEncoding(3, Encoding::Utf8WithMark, QStringLiteral("UTF-8"));
        QVERIFY(planSave(bank).unencodable.empty());
        QVERIFY(saveSteps(bank, {3}).error.isEmpty());
        QCOMPARE(detectEncoding(scratch.bytes(3)), Encoding::Utf8WithMark);
        QCOMPARE(QString::fromStdString(readAsTheGame(scratch.bytes(3), scratch.file(3)).at(5).answers[1]), typed);
    }

    void aFileThatCannotBeWrittenKeepsTheTextAndSaysWhy_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("saying");
        QTest::newRow("readOnlyFolder") << QStringLiteral("readOnlyFolder") << QStringLiteral("нельзя писать");
        QTest::newRow("folderGone") << QStringLiteral("folderGone") << QStringLiteral("больше нет");
        QTest::newRow("folderDeleted") << QStringLiteral("folderDeleted") << QStringLiteral("больше нет");
        QTest::newRow("folderInFilesPlace") << QStringLiteral("folderInFilesPlace") << QStringLiteral("папка");
        QTest::newRow("diskFull") << QStringLiteral("diskFull") << QStringLiteral("не осталось места");
    }

    void aFileThatCannotBeWrittenKeepsTheTextAndSaysWhy()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, saying);
#ifdef _WIN32
        // A folder's read-only mark does not keep files out on Windows, and no limit on a
        // file's size can stand in for a full disk; its read-only and busy files are tested
        // with the bank's files.
        if (obstacle != QLatin1String("folderGone"))
            QSKIP("no such obstacle on Windows");
#else
        if (obstacle == QLatin1String("readOnlyFolder") && geteuid() == 0)
            QSKIP("the superuser writes into any folder");
#endif
        test::ScratchBank scratch;
        const std::string before = scratch.bytes(12);
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({12, 0}, RecordField::AnswerD, "ответ, который нельзя потерять");
        SaveResult result;
        {
            const Obstacle blocked(obstacle, scratch.data());
            result = saveSteps(bank, planSave(bank).steps);
        }
        QVERIFY2(result.error.contains(saying), qPrintable(result.error));
        QVERIFY2(result.error.startsWith(QStringLiteral("Ступень 12 не сохранена: ")), qPrintable(result.error));
        QVERIFY(result.error.contains(pathText(scratch.file(12))));
        // Russian only: no word of the system's, no temporary's name; the paths aside.
        QString words = result.error;
        words.remove(pathText(scratch.file(12))).remove(pathText(scratch.data()));
        QVERIFY2(!words.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))), qPrintable(result.error));
        QVERIFY(result.written.empty());
        QVERIFY(bank.isModified(12));
        QCOMPARE(bank.record({12, 0}).answers[3], std::string("ответ, который нельзя потерять"));
        QCOMPARE(scratch.bytes(12), before);
        QVERIFY(saveSteps(bank, planSave(bank).steps).error.isEmpty());
    }

    // Saving as into a folder that holds another bank, the disk full halfway: the other
    // bank stays whole, the open one where it was.
#ifndef _WIN32
    // A full disk is made with a limit on the file size, which Windows does not have.
    void savingAsOverAnotherBankIsAllOrNothing()
    {
        test::ScratchBank scratch;
        const test::ScratchBank other("banks/classroom/data");
        const auto otherBefore = other.state();
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({1, 0}, RecordField::Question, "Изменено");
        std::size_t largest = 0;
        int largestStep = 0;
        for (int step = 1; step <= kSteps; ++step)
            if (const std::size_t size = writeBankFile(bank.file(step)).bytes.size(); size > largest) {
                largest = size;
                largestStep = step;
            }
        QVERIFY(largestStep > 1);
        QString error;
        {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit tight = saved;
            tight.rlim_cur = largest - 1;
            setrlimit(RLIMIT_FSIZE, &tight);
            error = saveAs(bank, other.data());
            setrlimit(RLIMIT_FSIZE, &saved);
        }
        QVERIFY2(error.contains(QStringLiteral("не осталось места")), qPrintable(error));
        QVERIFY(other.state() == otherBefore);
        QCOMPARE(bank.folder(), scratch.data());
        QVERIFY(bank.isModified(1));
        QCOMPARE(std::distance(fs::directory_iterator(other.data()), fs::directory_iterator()), 15);
    }
#endif

    void aFileChangedOnDiskIsToldAndCanBeReadAgainUndoably()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        bank.setText({3, 0}, RecordField::Question, "мой вопрос");
        std::string theirs = scratch.bytes(3);
        theirs.replace(0, theirs.find('\r'), "\xD7\xF3\xE6\xEE\xE9 \xE2\xEE\xEF\xF0\xEE\xF1");  // "Чужой вопрос"
        scratch.write(3, theirs);
        QVERIFY(changedOnDisk(bank.step(3), 3));
        QCOMPARE(planSave(bank).changedOnDisk, std::vector<int>{3});

        QVERIFY(bank.reload(3));
        QCOMPARE(bank.record({3, 0}).question, std::string("Чужой вопрос"));
        QVERIFY(!changedOnDisk(bank.step(3), 3));
        QVERIFY(!bank.isModified(3));
        bank.undoStack().undo();
        QCOMPARE(bank.record({3, 0}).question, std::string("мой вопрос"));
        QVERIFY(bank.isModified(3));
    }
};

QTEST_GUILESS_MAIN(SavingTest)
#include "SavingTest.moc"
