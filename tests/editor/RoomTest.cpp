// The room beside each field, watched as a teacher types: it tells how the text fills the
// game's control and never offers more room after a letter more.
#include "EditorWindow.h"
#include "RecordForm.h"
#include "ScratchBank.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace kvardelon;
using namespace kvardelon::editor;

namespace {

template <typename Widget>
Widget* named(QWidget& root, const QString& name)
{
    for (Widget* widget : root.findChildren<Widget*>())
        if (widget->accessibleName() == name)
            return widget;
    return nullptr;
}

// What the room says: the lines used, or the characters hidden.
struct Said {
    bool hidden = false;
    int count = 0;  // lines used, or characters hidden
    int of = 0;     // lines there are, when none is hidden
};

Said said(const QLabel& room)
{
    static const QRegularExpression lines(QStringLiteral("^(\\d+) строк[аи]? из (\\d+)$"));
    static const QRegularExpression hidden(QStringLiteral("^не видно (\\d+) знак(а|ов)?$"));
    if (const auto match = hidden.match(room.text()); match.hasMatch())
        return {true, match.captured(1).toInt(), 0};
    if (const auto match = lines.match(room.text()); match.hasMatch())
        return {false, match.captured(1).toInt(), match.captured(2).toInt()};
    return {true, -1, -1};
}

}  // namespace

class RoomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setOrganizationName(QStringLiteral("kvardelon-test"));
    }

    void typingNeverShowsMoreRoomAfterALetterMore_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("question of words")
            << QStringLiteral("Вопрос")
            << QStringLiteral("Какая ткань проводит воду и растворённые в ней минеральные вещества от корня "
                              "по стеблю к листьям растения? ")
                   .repeated(3);
        QTest::newRow("question with a long word")
            << QStringLiteral("Вопрос")
            << QStringLiteral("Что изучает ") + QStringLiteral("электроэнцефалография").repeated(3);
        QTest::newRow("answer of words") << QStringLiteral("Ответ B")
                                         << QStringLiteral("Древесина стебля и корня вместе с лубом и корой дерева ").repeated(3);
        QTest::newRow("answer beyond U+FFFF") << QStringLiteral("Ответ C") << QStringLiteral("𝔸 🌲 ").repeated(30);
    }

    void typingNeverShowsMoreRoomAfterALetterMore()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        const test::ScratchBank scratch;
        EditorWindow window(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
        window.show();
        QVERIFY(window.openFolder(QString::fromStdU16String(scratch.data().parent_path().u16string())));
        auto* edit = named<QLineEdit>(window.form(), field);
        auto* room = named<QLabel>(window.form(), QStringLiteral("Место: ") + field);
        auto* bar = named<QProgressBar>(window.form(), QStringLiteral("Заполнено строк: ") + field);
        QVERIFY(edit != nullptr && room != nullptr && bar != nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(room->text(), QStringLiteral("0 строк из %1").arg(said(*room).of));

        Said before = said(*room);
        int barBefore = bar->value();
        for (qsizetype at = 0; at < text.size(); at += text.at(at).isHighSurrogate() ? 2 : 1) {
            const QString letter = text.mid(at, text.at(at).isHighSurrogate() ? 2 : 1);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_A, letter, Qt::NoModifier);
            const Said now = said(*room);
            const QString where = QStringLiteral("«%1»: %2").arg(edit->text(), room->text());
            QVERIFY2(now.count >= 0, qPrintable(where));
            QVERIFY2(bar->value() >= barBefore, qPrintable(where));
            if (before.hidden) {
                QVERIFY2(now.hidden && now.count >= before.count, qPrintable(where));
            } else if (!now.hidden) {
                QVERIFY2(now.count >= before.count && now.count <= now.of, qPrintable(where));
            }
            QCOMPARE(room->styleSheet().contains(QStringLiteral("color")), now.hidden);
            before = now;
            barBefore = bar->value();
        }
        QVERIFY2(before.hidden, qPrintable(room->text()));  // each text here is too long at last
        QCOMPARE(bar->value(), bar->maximum());
        window.bank().undoStack().clear();
        window.bank().open(scratch.data());  // nothing unsaved left to ask about on closing
    }
};

QTEST_MAIN(RoomTest)
#include "RoomTest.moc"
