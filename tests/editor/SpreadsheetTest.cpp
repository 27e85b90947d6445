// Spreadsheets as teachers' programs save them, imported with every answer in place or refused
// with what to do; the bank exported for a Russian spreadsheet and back; the help's one text.
#include "Csv.h"
#include "CsvImport.h"
#include "EditorHelp.h"
#include "EditorWindow.h"
#include "HelpWindow.h"
#include "ImportDialog.h"
#include "QtText.h"
#include "ScratchBank.h"
#include "SpreadsheetColumns.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include <fstream>
#include <iterator>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

const std::filesystem::path kSourceDir = toPath(QStringLiteral(KVARDELON_SOURCE_DIR));

std::filesystem::path table(const QString& name)
{
    return kSourceDir / "tests" / "editor" / "tables" / toPath(name);
}

// "row|step|question|A|B|C|D|answer line": a row as the game will have it.
QStringList shown(const ImportPlan& plan)
{
    QStringList rows;
    for (const ImportRow& row : plan.rows) {
        QStringList cells{QString::number(row.row), QString::number(row.step), qtext(row.record.question)};
        for (const std::string& answer : row.record.answers)
            cells.append(qtext(answer));
        cells.append(qtext(row.record.answerLine));
        rows.append(cells.join(u'|'));
    }
    return rows;
}

QString readmeSection()
{
    std::ifstream in(kSourceDir / "README.ru.md", std::ios::binary);
    const QString readme = qtext(std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    const qsizetype begin = readme.indexOf(QString::fromUtf8(kReadmeColumnsBegin));
    const QString end = QString::fromUtf8(kReadmeColumnsEnd);
    const qsizetype at = readme.indexOf(end, begin);
    return begin < 0 || at < 0 ? QString() : readme.mid(begin, at + end.size() - begin) + u'\n';
}

QPushButton* importButton(const ImportDialog& dialog)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Импортировать"))
            return button;
    return nullptr;
}

}  // namespace

class SpreadsheetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The three spreadsheets of a Russian teacher's office, as files, and the garbled ones.
    void savedSpreadsheetsImportWithEveryAnswerInPlaceOrAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QStringList>("rows");  // empty: refused, saying this
        QTest::addColumn<QStringList>("refusal");
        const auto found = static_cast<int>(TableEncoding::Found);
        const QString tissue = QStringLiteral("|6|Какая ткань проводит воду по стеблю?|Древесина|Луб|Кора|Пробка|1");
        // Row 4 is blank and row 5 holds a cell of two lines: row 6 is still called 6.
        QTest::newRow("windows1251SemicolonsRussianNames")
            << QStringLiteral("russian-semicolons.csv") << found
            << QStringList{u'2' + tissue,
                           QStringLiteral("3|3|Что нужно листу для фотосинтеза; кроме воды?|Свет|Темнота|Холод|Песок|1"),
                           QStringLiteral("5|7|Чем покрыт лист сверху?|Кожицей|Корой|Пробкой|Мхом|1"),
                           QStringLiteral("6|8|Где у растения устьица?|В корне|В листе|В цветке|В семени|2")}
            << QStringList{};
        QTest::newRow("utf8CommasNumberedAnswers")
            << QStringLiteral("utf8-commas.csv") << found
            << QStringList{u'2' + tissue,
                           QStringLiteral("3|2|Какой орган растения всасывает воду, соли?|Корень|Лист|Цветок|Плод|1"),
                           QStringLiteral("4|9|Какой газ выделяют растения на свету?|Азот|Кислород|Водород|Гелий|2")}
            << QStringList{};
        QTest::newRow("unicodeTextTabsLetterNames")
            << QStringLiteral("unicode-text-tabs.txt") << found
            << QStringList{u'2' + tissue,
                           QStringLiteral("3|4|Как называется «зелёное вещество» листа?|Хлорофилл|Крахмал|Сахар|Соль|1"),
                           QStringLiteral("4|5|Что такое \"корневой волосок\"?|Вырост клетки корня|Лист|Стебель|Почка|1")}
            << QStringList{};
        const QString misread = QStringLiteral("Сохраните таблицу заново как «CSV UTF-8» («Сохранить как», тип файла "
                                               "«CSV UTF-8») и импортируйте снова — или выберите кодировку выше");
        QTest::newRow("utf8ConvertedTwiceIsRefused")
            << QStringLiteral("garbled-twice-converted.csv") << found << QStringList{}
            << QStringList{QStringLiteral("в строке 1 стоит «Ð¨Ð°Ð³» вместо букв."), misread};
        QTest::newRow("windows1251ReadAsUtf8IsRefused")
            << QStringLiteral("russian-semicolons.csv") << static_cast<int>(TableEncoding::Utf8) << QStringList{}
            << QStringList{misread};
        // Another encoding cannot bring back letters that were never saved.
        QTest::newRow("lettersLostToQuestionMarksIsRefused")
            << QStringLiteral("garbled-question-marks.csv") << found << QStringList{}
            << QStringList{QStringLiteral("в строке 1 стоит «???????». Программа, которая сохранила таблицу, не смогла записать "
                              "русские буквы и заменила их вопросительными знаками. Сохраните таблицу заново как "
                              "«CSV UTF-8»")};
    }

    void savedSpreadsheetsImportWithEveryAnswerInPlaceOrAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(int, encoding);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, refusal);
        const TableText read = readTable(table(file));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        const ImportPlan plan = readImport(decodeTable(read.bytes, static_cast<TableEncoding>(encoding)));
        if (rows.isEmpty()) {
            for (const QString& part : refusal)
                QVERIFY2(plan.refusal.contains(part), qPrintable(plan.refusal));
            return;
        }
        QVERIFY2(plan.refusal.isEmpty(), qPrintable(plan.refusal));
        QVERIFY2(plan.problems.isEmpty(), qPrintable(plan.problems.join(u'\n')));
        QCOMPARE(shown(plan), rows);
    }

    // Header names a teacher might type, and what is said of those not understood.
    void columnsAreUnderstoodOrNamed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("row");  // "step|question|A|B|C|D|answer line"
        QTest::addColumn<QString>("said");  // in the problems; empty: none at all
        const QString answers = QStringLiteral("Ступень;Вопрос;Ответ А;Ответ Б;Ответ В;Ответ Г;");
        QTest::newRow("latinLettersTakeTheLookalikeAsLatin")
            << QStringLiteral("Ступень;Вопрос;A;B;C;D;Правильный\n1;Как?;а;б;в;г;В") << QStringLiteral("1|Как?|а|б|в|г|2")
            << QString();
        QTest::newRow("lookalikesBesideLatinDAreLatin")
            << QStringLiteral("Ступень;Вопрос;А;В;С;D;Верный\n1;Как?;а;б;в;г;С") << QStringLiteral("1|Как?|а|б|в|г|3")
            << QString();
        QTest::newRow("cyrillicLettersGoInRussianOrder")
            << QStringLiteral("ступень;вопрос;а;б;в;г;верный\n1;Как?;а;б;в;г;в") << QStringLiteral("1|Как?|а|б|в|г|3")
            << QString();
        QTest::newRow("englishNamesAndNumbers")
            << QStringLiteral("Step,Question,Answer 1,Answer 2,Answer 3,Answer 4,Correct\n2,Как?,а,б,в,г,4")
            << QStringLiteral("2|Как?|а|б|в|г|4") << QString();
        QTest::newRow("caseBlanksAndStopsIgnored")
            << QStringLiteral(" ШАГ ;вопрос:;ОТВЕТ  а;ответ б.;Ответ в;Ответ Г;Верный  ответ\n3;Как?;а;б;в;г;Г)")
            << QStringLiteral("3|Как?|а|б|в|г|4") << QString();
        QTest::newRow("aLoneOtvetIsTheRightAnswer")
            << answers + QStringLiteral("Ответ\n4;Как?;а;б;в;г;Б") << QStringLiteral("4|Как?|а|б|в|г|2") << QString();
        QTest::newRow("aLoneOtvetBesideVernyIsNotTaken")
            << answers + QStringLiteral("Верный;Ответ\n4;Как?;а;б;в;г;Б;Г") << QStringLiteral("4|Как?|а|б|в|г|2")
            << QStringLiteral("Столбец H «Ответ» не взят: верный ответ берётся из столбца, названного «Верный»");
        QTest::newRow("theRightAnswerByItsText")
            << answers + QStringLiteral("Верный\n5;Кто?;Луб;Кора;Мох;Лист;кора") << QStringLiteral("5|Кто?|Луб|Кора|Мох|Лист|2")
            << QString();
        QTest::newRow("anUnknownColumnIsNamed")
            << answers + QStringLiteral("Верный;Примечание\n6;Как?;а;б;в;г;1;для 6А") << QStringLiteral("6|Как?|а|б|в|г|1")
            << QStringLiteral("Столбец H «Примечание» не понят и не взят.");
        QTest::newRow("aNamelessColumnWithTextIsNamed")
            << answers + QStringLiteral("Верный\n6;Как?;а;б;в;г;1;лишнее") << QStringLiteral("6|Как?|а|б|в|г|1")
            << QStringLiteral("Столбец H без названия не понят и не взят.");
        QTest::newRow("aRepeatedColumnIsNamed")
            << answers + QStringLiteral("Верный;Вопрос\n6;Как?;а;б;в;г;1;Где?") << QStringLiteral("6|Как?|а|б|в|г|1")
            << QStringLiteral("Столбец H «Вопрос» повторяет столбец B «Вопрос» и не взят.");
        QTest::newRow("aMissingAnswerIsSaid")
            << QStringLiteral("Ступень;Вопрос;Ответ А;Ответ Б;Ответ В;Верный\n7;Как?;а;б;в;1")
            << QStringLiteral("7|Как?|а|б|в||1") << QStringLiteral("Нет столбца «Ответ Г»: у вопросов не будет четвёртого ответа.");
        QTest::newRow("noHeaderTakesTheOrderExportWrites")
            << QStringLiteral("8;Как?;а;б;в;г;Г") << QStringLiteral("8|Как?|а|б|в|г|4")
            << QStringLiteral("столбцы взяты по порядку: Ступень, Вопрос, Ответ А, Ответ Б, Ответ В, Ответ Г, Верный.");
    }

    void columnsAreUnderstoodOrNamed()
    {
        QFETCH(QString, text);
        QFETCH(QString, row);
        QFETCH(QString, said);
        const ImportPlan plan = readImport(text);
        QVERIFY2(plan.refusal.isEmpty(), qPrintable(plan.refusal));
        QCOMPARE(shown(plan).size(), 1);
        QCOMPARE(shown(plan).first().section(u'|', 1), row);
        if (said.isEmpty())
            QVERIFY2(plan.problems.isEmpty(), qPrintable(plan.problems.join(u'\n')));
        else
            QVERIFY2(plan.problems.join(u'\n').contains(said), qPrintable(plan.problems.join(u'\n')));
    }

    // Double-clicked on a Russian desktop the file opens as it is; read back, every question
    // is the bank's own, texts with quotes, separators and blanks at their ends included.
    void anExportOpensInARussianSpreadsheetAndImportsBackExactly_data()
    {
        QTest::addColumn<QString>("odd");
        QTest::addColumn<bool>("windows1251");
        QTest::newRow("quotesSeparatorsBlanks") << QStringLiteral(" Что такое \"ЭВМ\"; кто её, придумал? ") << true;
        QTest::newRow("aCharacterWindows1251Lacks") << QStringLiteral("Примерно ≈ сколько?") << false;
    }

    void anExportOpensInARussianSpreadsheetAndImportsBackExactly()
    {
        QFETCH(QString, odd);
        QFETCH(bool, windows1251);
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        std::vector<Record> records = bank.file(3).records;
        records.at(0).question = utf8(odd);
        records.at(1).answers.at(2) = utf8(odd);
        bank.replaceRecords(3, records, {});

        const QByteArray bytes = encodeTable(exportCsv(bank));
        QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), !windows1251);
        const QString text = decodeTable(bytes.toStdString());
        QVERIFY(text.startsWith(QStringLiteral("Ступень;Вопрос;Ответ А;Ответ Б;Ответ В;Ответ Г;Верный\r\n")));
        QCOMPARE(text.count(QStringLiteral("\r\n")), text.count(u'\n'));
        if (windows1251)
            QCOMPARE(qtext(cp1251ToUtf8(bytes.toStdString())), text);

        const ImportPlan plan = readImport(text);
        QVERIFY2(plan.refusal.isEmpty() && plan.problems.isEmpty(), qPrintable(plan.refusal + plan.problems.join(u'\n')));
        std::size_t at = 0;
        for (int step = 1; step <= 15; ++step) {
            for (const Record& record : bank.file(step).records) {
                QVERIFY(at < plan.rows.size());
                const ImportRow& row = plan.rows.at(at++);
                QCOMPARE(row.step, step);
                QCOMPARE(row.record.question, record.question);
                QCOMPARE(row.record.answers, record.answers);
                QCOMPARE(answerNumber(row.record.answerLine), answerNumber(record.answerLine));
            }
        }
        QCOMPARE(at, plan.rows.size());
    }

    // F1, the README and the import read one table: a name the help gives is understood, and
    // the help's example imports with every answer in place.
    void theHelpIsOneTextInEveryPlace()
    {
        QVERIFY2(readmeSection() == spreadsheetHelpForReadme(),
                 qPrintable(QStringLiteral("put this in README.ru.md:\n") + spreadsheetHelpForReadme()));

        EditorWindow window(toPath(QCoreApplication::applicationDirPath()));
        window.showHelp();
        window.showHelp();
        QCOMPARE(window.findChildren<HelpWindow*>().size(), 1);
        QVERIFY(window.findChild<HelpWindow*>()->isVisible());
        QCOMPARE(window.findChild<HelpWindow*>()->text(), editorHelp());
        QVERIFY(editorHelp().contains(spreadsheetHelp()));
        for (const QString& line : exampleTable())
            QVERIFY2(spreadsheetHelp().contains(line), qPrintable(line));

        const ImportPlan example = readImport(exampleTable().join(u'\n'));
        QVERIFY(example.refusal.isEmpty() && example.problems.isEmpty());
        QCOMPARE(shown(example), (QStringList{QStringLiteral("2|6|Какая ткань проводит воду по стеблю?|Древесина|Луб|Кора|Пробка|1"),
                                              QStringLiteral("3|2|Что растение берёт из воздуха для питания?|Азот|Углекислый газ|Кислород|Пар|2")}));
        for (const ColumnNames& column : tableColumns()) {
            for (const QString& name : column.names) {
                QStringList header{QStringLiteral("Ступень"), QStringLiteral("Вопрос")};
                header.append(name);
                const TableHeader read = readHeader(header, {});
                QVERIFY2(read[column.column] == 2 || (column.column <= TableColumn::Question && read[column.column] >= 0),
                         qPrintable(name));
            }
        }
    }

    // "Импортировать" waits while the text looks garbled; choosing the encoding reads it again.
    void theImportWaitsForReadableText()
    {
        test::ScratchBank scratch;
        OpenBank bank;
        bank.open(scratch.data());
        ImportDialog dialog(bank, readTable(table(QStringLiteral("russian-semicolons.csv"))).bytes, {},
                            QStringLiteral("вопросы.csv"));
        QPushButton* import = importButton(dialog);
        QVERIFY(import);
        QLabel* refusal = nullptr;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->accessibleName() == QStringLiteral("Почему импорт невозможен"))
                refusal = label;
        QVERIFY(refusal);
        QVERIFY(import->isEnabled());
        QVERIFY(refusal->isHidden());
        auto* rows = dialog.findChild<QTableWidget*>();
        QCOMPARE(rows->item(3, 0)->text(), QStringLiteral("6"));  // as the spreadsheet numbers it

        dialog.chooseEncoding(TableEncoding::Utf8);
        QVERIFY(!import->isEnabled());
        QVERIFY(!refusal->isHidden());
        QVERIFY(refusal->text().contains(QStringLiteral("«CSV UTF-8»")));
        dialog.chooseEncoding(TableEncoding::Cp1251);
        QVERIFY(import->isEnabled());
        QCOMPARE(dialog.plan().rows.at(0).record.answers.at(1), std::string("Луб"));

        ImportDialog garbled(bank, readTable(table(QStringLiteral("garbled-twice-converted.csv"))).bytes, {},
                             QStringLiteral("вопросы.csv"));
        QVERIFY(!importButton(garbled)->isEnabled());
    }
};

QTEST_MAIN(SpreadsheetTest)
#include "SpreadsheetTest.moc"
