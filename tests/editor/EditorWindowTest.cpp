// The editor's window driven by keys and clicks on the offscreen platform, as a teacher
// without a mouse, or with one, would.
#include "EditorWindow.h"
#include "FindingsView.h"
#include "QtText.h"
#include "QuestionPanel.h"
#include "RecordForm.h"
#include "RecordList.h"
#include "ScratchBank.h"
#include "ScriptedQuestions.h"
#include "StepList.h"
#include "BankText.h"
#include "Wording.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTemporaryDir>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <fstream>
#include <memory>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

// Types text as key presses; QTest::keyClicks takes Latin-1 only.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_A, QString(c), Qt::NoModifier);
}

bool hasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

std::string scratchFile(const OpenBank& bank, int step)
{
    return test::bytesOf(bank.step(step).path);
}

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setOrganizationName(QStringLiteral("kvardelon-test"));
    }

    void init()
    {
        scratch_ = std::make_unique<test::ScratchBank>();
        window_ = std::make_unique<EditorWindow>(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QVERIFY(window_->openFolder(QString::fromStdU16String(scratch_->data().parent_path().u16string())));
    }

    void cleanup()
    {
        window_->bank().undoStack().clear();
        window_->bank().open(scratch_->data());  // nothing unsaved left to ask about on closing
        window_.reset();
        scratch_.reset();
    }

    void typingShowsInThePreviewAndUndoTakesItBack()
    {
        QLineEdit* question = field(QStringLiteral("Вопрос"));
        const QString original = question->text();
        question->setFocus();
        question->selectAll();
        type(question, QStringLiteral("Сколько лап у кошки?"));
        QCOMPARE(window_->form().preview().question(), QStringLiteral("Сколько лап у кошки?"));
        QVERIFY(window_->isWindowModified());
        QVERIFY(window_->records().model()->index(0, 0).data().toString().contains(QStringLiteral("лап у кошки")));

        QTest::keyClick(question, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(question->text(), original);
        QCOMPARE(window_->form().preview().question(), original);
        QVERIFY(!window_->isWindowModified());
        QTest::keyClick(question, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window_->form().preview().question(), QStringLiteral("Сколько лап у кошки?"));
    }

    void anAnswerTypedShowsBehindItsLetterOnThePreview()
    {
        QLineEdit* answer = field(QStringLiteral("Ответ D"));
        answer->setFocus();
        answer->selectAll();
        type(answer, QStringLiteral("Четыре"));
        QCOMPARE(window_->form().preview().answerCaption(4), QStringLiteral("D:Четыре"));
    }

    void clickingARadioButtonMarksTheCorrectAnswer()
    {
        QRadioButton* c = window_->form().correctButton(3);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(4, c->height() / 2));
        QCOMPARE(window_->bank().record({1, 0}).answerLine, std::string("3"));
        QVERIFY(window_->records().model()->index(0, 0).data().toString().endsWith(QStringLiteral("— C")));
        QTest::keyClick(window_.get(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(window_->bank().record({1, 0}).answerLine, std::string("2"));
    }

    void aNewQuestionOnAFullStepTakesTheChosenOnesPlaceAndAFindingLeadsBackToIt()
    {
        window_->steps().choose(6);
        const std::string leaving = window_->bank().record({6, 0}).question;
        test::ScriptedQuestions& questions = script();
        questions.takeOfferedPlace();
        QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(questions.asked(), QStringList{QStringLiteral("Полная ступень 6: предложен «%1»")
                                                    .arg(QString::fromStdString(leaving))});
        QCOMPARE(window_->bank().recordCount(6), 10);
        QVERIFY(window_->bank().record({6, 0}).question.empty());
        QVERIFY(window_->statusBar()->currentMessage().contains(QStringLiteral("удалён")));
        QCOMPARE(window_->focusWidget(), field(QStringLiteral("Вопрос")));  // once the dialog has gone
        QListWidget& findings = window_->findings().list();
        QVERIFY(findings.count() > 0);
        QVERIFY(findings.item(0)->text().startsWith(QStringLiteral("Ступень 6, вопрос 1")));

        window_->steps().choose(1);
        QTest::mouseClick(findings.viewport(), Qt::LeftButton, {}, findings.visualItemRect(findings.item(0)).center());
        QCOMPARE(window_->steps().current(), 6);
        QCOMPARE(window_->records().current(), 0);
        window_->bank().undoStack().undo();
        QCOMPARE(window_->bank().record({6, 0}).question, leaving);
    }

    void theWholeEditorWorksFromTheKeyboard()
    {
        QTest::keyClick(window_.get(), Qt::Key_1, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), &window_->steps());
        QTest::keyClick(&window_->steps(), Qt::Key_Down);
        QCOMPARE(window_->steps().current(), 2);
        QTest::keyClick(window_.get(), Qt::Key_2, Qt::AltModifier);
        QTest::keyClick(&window_->records(), Qt::Key_Down);
        QCOMPARE(window_->records().current(), 1);
        QTest::keyClick(window_.get(), Qt::Key_3, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), field(QStringLiteral("Вопрос")));
        QCOMPARE(field(QStringLiteral("Вопрос"))->text().toStdString(), window_->bank().record({2, 1}).question);
        QTest::keyClick(window_.get(), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(window_->records().current(), 2);
        QCOMPARE(window_->bank().undoStack().count(), 1);
    }

    void savingWithCtrlSWritesOnlyTheChangedFile()
    {
        const auto before = scratch_->state();
        QLineEdit* answer = field(QStringLiteral("Ответ A"));
        answer->setFocus();
        type(answer, QStringLiteral("!"));
        QTest::keyClick(answer, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!window_->isWindowModified());
        const auto after = scratch_->state();
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i] == before[i], i != 0);
    }

    void savingFillsAShortStepFromTheShippedBankWhenAskedAndWritesIt()
    {
        const std::string ten = scratch_->bytes(4);
        std::size_t second = 0;
        for (int line = 0; line < kLinesPerRecord; ++line)
            second = ten.find("\r\n", second) + 2;
        scratch_->write(4, ten.substr(second));  // nine records on disk, and one change elsewhere
        QVERIFY(window_->openFolder(QString::fromStdU16String(scratch_->data().u16string())));
        window_->bank().setText({1, 0}, RecordField::AnswerA, "Другой ответ");
        test::ScriptedQuestions& questions = script();
        questions.press(QStringLiteral("Дополнить ступени до десяти…")).fillFrom(test::shippedBank("data"));
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(questions.unused(), 0);
        QVERIFY2(!window_->isWindowModified(), qPrintable(questions.seen()));
        QCOMPARE(parseBankFile(scratch_->bytes(4)).records.size(), std::size_t{10});
    }

    void draggingARecordReordersItOrChangesPlacesWithTheOneChosenOnAFullStep()
    {
        const std::string first = window_->bank().record({1, 0}).question;
        RecordListModel& records = window_->records().records();
        const std::unique_ptr<QMimeData> dragged(records.mimeData({records.index(0)}));
        records.dropMimeData(dragged.get(), Qt::MoveAction, 3, 0, {});
        QCOMPARE(window_->bank().record({1, 2}).question, first);

        const Record tenth = window_->bank().record({4, 9});
        test::ScriptedQuestions& questions = script();
        questions.takeOfferedPlace();
        const std::unique_ptr<QMimeData> again(records.mimeData({records.index(2)}));
        window_->steps().dropRecord(*placeFromMime(again.get()), 4);
        QCOMPARE(questions.asked(), QStringList{QStringLiteral("Полная ступень 4: предложен «%1»")
                                                    .arg(QString::fromStdString(tenth.question))});
        QCOMPARE(window_->bank().recordCount(1), 10);
        QCOMPARE(window_->bank().recordCount(4), 10);
        QCOMPARE(window_->bank().record({4, 9}).question, first);
        QCOMPARE(window_->bank().record({1, 2}).question, tenth.question);
        QVERIFY(window_->statusBar()->currentMessage().contains(qtext(check::inQuotes(tenth.question))));
        QCOMPARE(window_->bank().undoStack().count(), 2);
        window_->bank().undoStack().undo();
        QCOMPARE(window_->bank().record({1, 2}).question, first);
        QCOMPARE(window_->bank().record({4, 9}).question, tenth.question);
    }

    void aFileChangedByAnotherProgramIsToldAndReadAgain()
    {
        std::string theirs = scratch_->bytes(1);
        theirs.replace(0, theirs.find('\r'), "\xD7\xF3\xE6\xEE\xE9");  // "Чужой"
        scratch_->write(1, theirs);
        QLabel* told = nullptr;
        for (QLabel* label : window_->findChildren<QLabel*>())
            if (label->accessibleName() == QStringLiteral("Файлы изменены другой программой"))
                told = label;
        QVERIFY(told != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(told->isVisible(), 5000);
        QVERIFY2(told->text().contains(QStringLiteral("изменила ступень 1 ")), qPrintable(told->text()));
        for (QPushButton* button : window_->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Перечитать с диска"))
                QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(window_->bank().record({1, 0}).question, std::string("Чужой"));
        QVERIFY(!told->isVisible());
        QVERIFY(!window_->isWindowModified());
    }

    // Files deleted by another program are told as deleted, not as changed, and the author's
    // text stays; a whole folder gone is told as the folder.
    void filesDeletedByAnotherProgramAreToldAsDeleted_data()
    {
        QTest::addColumn<bool>("wholeFolder");
        QTest::addColumn<QString>("saying");
        QTest::newRow("oneFile") << false << QStringLiteral("удалила ступень 1 ");
        QTest::newRow("wholeFolder") << true << QStringLiteral("больше нет");
    }

    void filesDeletedByAnotherProgramAreToldAsDeleted()
    {
        QFETCH(bool, wholeFolder);
        QFETCH(QString, saying);
        window_->bank().setText({1, 0}, RecordField::Question, "моя правка");
        if (wholeFolder)
            std::filesystem::remove_all(scratch_->data());
        else
            std::filesystem::remove(scratch_->file(1));
        QLabel* told = nullptr;
        for (QLabel* label : window_->findChildren<QLabel*>())
            if (label->accessibleName() == QStringLiteral("Файлы изменены другой программой"))
                told = label;
        QVERIFY(told != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(told->isVisible(), 5000);
        QVERIFY2(told->text().contains(saying), qPrintable(told->text()));
        QVERIFY2(!told->text().contains(QStringLiteral("изменила")), qPrintable(told->text()));
        QCOMPARE(window_->bank().record({1, 0}).question, std::string("моя правка"));
    }

    // "Новый банк" asks about unsaved changes once; the old bank and its undo history stay
    // until the new bank is really made.
    void aNewBankAsksOnceAndKeepsTheHistoryUntilItIsMade_data()
    {
        QTest::addColumn<bool>("made");
        QTest::newRow("cancelledWhereToMakeIt") << false;
        QTest::newRow("made") << true;
    }

    void aNewBankAsksOnceAndKeepsTheHistoryUntilItIsMade()
    {
        QFETCH(bool, made);
        window_->bank().setText({1, 0}, RecordField::Question, "правка, которую жалко терять");
        const std::filesystem::path old = window_->bank().folder();
        const QTemporaryDir place;
        test::ScriptedQuestions& questions = script();
        questions.press(QStringLiteral("Не сохранять"));
        questions.chooseNewBank(made ? std::optional(NewBankPlace{toPath(place.path()) / "bank", Template::Empty})
                                     : std::nullopt);
        window_->newBank();
        QCOMPARE(questions.asked().size(), 2);  // the unsaved changes, where to make it
        QCOMPARE(questions.unused(), 0);
        if (made) {
            QCOMPARE(window_->bank().folder(), toPath(place.path()) / "bank" / "data");
            QVERIFY(!window_->bank().isModified());
            return;
        }
        QCOMPARE(window_->bank().folder(), old);
        QCOMPARE(window_->bank().undoStack().count(), 1);
        window_->bank().undoStack().undo();
        QVERIFY(!window_->bank().isModified());
    }

    // The teacher's own quiz: one question a step, saved without a question asked, and each
    // step said to put its one question in every game.
    void aNewBankOfOnlyHerQuestionsSavesWithNoQuestionAsked()
    {
        const QTemporaryDir place;
        test::ScriptedQuestions& questions = script();
        questions.chooseNewBank(NewBankPlace{toPath(place.path()) / "bank", Template::Empty, true});
        window_->newBank();
        // An empty step wants one of her questions, not ten.
        QCOMPARE(window_->check().count(check::Severity::Error), kSteps);
        for (const check::Finding& finding : window_->check().findings()) {
            const QString said = QString::fromStdString(check::plainMessage(finding));
            QVERIFY2(said.contains(QStringLiteral("напишите хотя бы один")) && !said.contains(QStringLiteral("десяти")),
                     qPrintable(said));
        }
        for (int step = 1; step <= kSteps; ++step)
            window_->bank().insertRecord({step, 0},
                                         Record{.question = "Вопрос учителя для ступени " + std::to_string(step),
                                                .answers = {"Лист", "Корень", "Стебель", "Цветок"},
                                                .answerLine = "2"},
                                         QStringLiteral("новый вопрос"));
        QVERIFY(window_->save());
        QCOMPARE(questions.asked().size(), 1);  // where to make it, and nothing at saving
        QCOMPARE(parseBankFile(scratchFile(window_->bank(), 15)).records.size(), std::size_t{10});
        QStringList drawn;
        for (const QLabel* label : window_->findChildren<QLabel*>())
            if (label->accessibleName() == QStringLiteral("Как игра выбирает вопрос ступени"))
                drawn.append(label->text());
        QCOMPARE(drawn, QStringList{QStringLiteral("1 ваш вопрос, он будет в каждой игре.")});
    }

    // "Сохранить как…" into a folder that holds a bank asks first, as "Новый банк" refuses.
    void savingAsOverAnotherBankAsksFirst_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("cancelled") << QStringLiteral("Отмена") << false;
        QTest::newRow("replaced") << QStringLiteral("Заменить тот банк") << true;
    }

    void savingAsOverAnotherBankAsksFirst()
    {
        QFETCH(QString, press);
        QFETCH(bool, replaced);
        const test::ScratchBank other("banks/classroom/data");
        const auto before = other.state();
        window_->bank().setText({1, 0}, RecordField::Question, "Изменено");
        test::ScriptedQuestions& questions = script();
        questions.choose(pathText(other.data().parent_path())).press(press);
        QCOMPARE(window_->saveAs(), replaced);
        QVERIFY2(questions.seen().contains(QStringLiteral("уже есть банк")), qPrintable(questions.seen()));
        QCOMPARE(questions.unused(), 0);
        QCOMPARE(other.state() == before, !replaced);
        QCOMPARE(window_->bank().folder() == other.data(), replaced);
    }

    // Whichever way text comes into a field, what the field shows is what the bank keeps and
    // what a save writes; once saved, nothing is left unsaved.
    void whatAFieldShowsIsKeptAndSaved_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        QTest::newRow("accessibleReplace") << QStringLiteral("accessibleReplace") << QStringLiteral("Надиктовано");
        QTest::newRow("accessibleInsert") << QStringLiteral("accessibleInsert") << QStringLiteral("Ещё ");
        QTest::newRow("pastedCarriageReturn") << QStringLiteral("paste") << QStringLiteral("Первая\rвторая");
        QTest::newRow("pastedLineFeed") << QStringLiteral("paste") << QStringLiteral("Первая\r\nвторая\n");
        QTest::newRow("pastedLineSeparator") << QStringLiteral("paste") << QStringLiteral("Первая\u2028вторая");
    }

    void whatAFieldShowsIsKeptAndSaved()
    {
        QFETCH(QString, way);
        QFETCH(QString, text);
        QLineEdit* question = field(QStringLiteral("Вопрос"));
        question->setFocus();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(question);
        if (way == QLatin1String("accessibleReplace")) {
            accessible->editableTextInterface()->replaceText(0, static_cast<int>(question->text().size()), text);
        } else if (way == QLatin1String("accessibleInsert")) {
            accessible->editableTextInterface()->insertText(0, text);
        } else {
            QGuiApplication::clipboard()->setText(text);
            question->selectAll();
            QTest::keyClick(question, Qt::Key_V, Qt::ControlModifier);
        }
        const QString shown = question->text();
        QVERIFY(shown.contains(text.left(3)));
        // A line break is shown as a blank: the field must hold the blank too.
        QVERIFY(!shown.contains(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"))));
        QCOMPARE(qtext(window_->bank().record({1, 0}).question), shown);
        QVERIFY(window_->isWindowModified());
        QCOMPARE(window_->form().preview().question(), shown);

        script();
        QVERIFY(window_->save());
        QVERIFY(!window_->isWindowModified());
        const std::string bytes = scratch_->bytes(1);
        RecordReader reader(bytes, scratch_->file(1), 1);
        const std::optional<Record> saved = reader.next();
        QVERIFY(saved);
        QCOMPARE(qtext(saved->question), shown);
    }

    // A table is read only from a regular file of bounded size: a pipe would hang the window,
    // a device fill the memory. Each refusal names the file in Russian and changes nothing.
    void importingWhatIsNoTableIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("saying");
#ifndef _WIN32
        // A pipe made with mkfifo and a link to /dev/zero are POSIX's own.
        QTest::newRow("pipe") << QStringLiteral("pipe") << QStringLiteral("не обычный файл");
        QTest::newRow("device") << QStringLiteral("device") << QStringLiteral("не обычный файл");
#endif
        QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("не обычный файл");
        QTest::newRow("huge") << QStringLiteral("huge") << QStringLiteral("больше 16 МБ");
        QTest::newRow("missing") << QStringLiteral("missing") << QStringLiteral("не найден");
    }

    void importingWhatIsNoTableIsRefusedAndChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, saying);
        const QTemporaryDir folder;
        std::filesystem::path table = toPath(folder.path()) / "вопросы.csv";
#ifndef _WIN32
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(table.c_str(), 0600), 0);
        else if (kind == QLatin1String("device"))
            std::filesystem::create_symlink("/dev/zero", table);
#endif
        if (kind == QLatin1String("folder"))
            std::filesystem::create_directory(table);
        else if (kind == QLatin1String("huge"))
            std::filesystem::resize_file((std::ofstream(table), table), 17 * 1024 * 1024);
        test::ScriptedQuestions& questions = script();
        questions.choose(pathText(table));
        window_->importCsv();
        QCOMPARE(questions.asked().size(), 2);  // the file, then why it is refused
        QVERIFY2(questions.asked().at(1).contains(saying), qPrintable(questions.seen()));
        QVERIFY2(questions.asked().at(1).contains(pathText(table)), qPrintable(questions.seen()));
        QString words = questions.asked().at(1);
        words.remove(pathText(table));
        QVERIFY2(!words.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))), qPrintable(words));
        QVERIFY(!window_->bank().isModified());
    }

    // Alt and a letter reaches one thing: within each menu one item, and in the window one
    // menu or one labelled pane.
    void everyMnemonicReachesOneThing()
    {
        const auto mnemonic = [](const QString& text) {
            for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                if (text[i] == u'&' && text[i + 1] != u'&')
                    return text[i + 1].toLower();
                if (text[i] == u'&')
                    ++i;
            }
            return QChar();
        };
        const auto expectUnique = [&mnemonic](const QString& where, const QStringList& texts) {
            QMap<QChar, QString> taken;
            for (const QString& text : texts) {
                const QChar key = mnemonic(text);
                if (key.isNull())
                    continue;
                QVERIFY2(!taken.contains(key),
                         qPrintable(QStringLiteral("%1: «%2» and «%3»").arg(where, taken.value(key), text)));
                taken.insert(key, text);
            }
        };
        QStringList windowKeys;
        for (QAction* menuAction : window_->menuBar()->actions()) {
            windowKeys << menuAction->text();
            QStringList items;
            for (const QAction* item : menuAction->menu()->actions())
                items << item->text();
            expectUnique(menuAction->text(), items);
            if (QTest::currentTestFailed())
                return;
        }
        for (const QLabel* label : window_->findChildren<QLabel*>())
            if (label->buddy() != nullptr && label->window() == window_.get())
                windowKeys << label->text();
        expectUnique(QStringLiteral("the window"), windowKeys);
    }

    void everyControlHasARussianName()
    {
        for (QWidget* widget : window_->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window_.get()))
                continue;
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const QString name = widget->accessibleName().isEmpty() && button != nullptr ? button->text()
                                                                                         : widget->accessibleName();
            QVERIFY2(hasCyrillic(name), qPrintable(QStringLiteral("%1 «%2»").arg(
                                            QString::fromLatin1(widget->metaObject()->className()), name)));
        }
        for (QAction* action : window_->actions())
            QVERIFY2(!action->shortcut().isEmpty(), qPrintable(action->text()));
    }

private:
    test::ScriptedQuestions& script()
    {
        auto questions = std::make_unique<test::ScriptedQuestions>();
        test::ScriptedQuestions& kept = *questions;
        window_->setQuestions(std::move(questions));
        return kept;
    }

    QLineEdit* field(const QString& name) const
    {
        for (QLineEdit* edit : window_->form().findChildren<QLineEdit*>())
            if (edit->accessibleName() == name)
                return edit;
        return nullptr;
    }

    std::unique_ptr<test::ScratchBank> scratch_;
    std::unique_ptr<EditorWindow> window_;
};

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
