// The new bank dialog: a folder and one of three beginnings.
#include "NewBankDialog.h"

#include "QtText.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

struct Beginning {
    Template kind;
    bool ownOnly;
    const char* caption;
    const char* explanation;
};

// The button of each is its index here.
constexpr Beginning kBeginnings[] = {
    {Template::Shipped, false, "С вопросов, которые идут с игрой",
     "Готовый банк: его вопросы можно заменять своими по одному, и игра работает с первой минуты."},
    {Template::Classroom, false, "С вопросов для класса",
     "Вопросы по школьным предметам; замените их своими или добавьте к ним свои."},
    {Template::Empty, true, "Только мои вопросы: каждый повторится, чтобы ступень была полной",
     "Пишете свои вопросы, хоть по одному на ступень. Игре нужно десять на ступени: если ваших меньше, "
     "они повторятся по кругу. В игре будут только ваши вопросы."},
    {Template::Empty, false, "Мои вопросы, а недостающие — из готового банка",
     "Пишете свои вопросы; если на ступени их меньше десяти, при сохранении редактор предложит добавить "
     "вопросы из банка, который идёт с игрой."},
};

}  // namespace

QString NewBankDialog::suggestedFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString base = QDir(documents).filePath(QStringLiteral("Кварделон/Мой банк"));
    QString candidate = base;
    for (int n = 2; QDir(candidate).exists(); ++n)
        candidate = base + u' ' + QString::number(n);
    return candidate;
}

NewBankDialog::NewBankDialog(const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent), folder_(new QLineEdit(suggestedFolder(), this)), startFrom_(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Новый банк вопросов"));
    auto* layout = new QVBoxLayout(this);
    auto* where = new QHBoxLayout;
    auto* whereLabel = new QLabel(QStringLiteral("&Папка банка:"), this);
    whereLabel->setBuddy(folder_);
    folder_->setAccessibleName(QStringLiteral("Папка банка"));
    auto* browse = new QPushButton(QStringLiteral("&Выбрать…"), this);
    browse->setAccessibleName(QStringLiteral("Выбрать папку банка"));
    where->addWidget(whereLabel);
    where->addWidget(folder_, 1);
    where->addWidget(browse);
    layout->addLayout(where);
    layout->addWidget(new QLabel(QStringLiteral("В этой папке будут лежать вопросы всех пятнадцати ступеней."), this));
    for (int index = 0; const Beginning& beginning : kBeginnings) {
        auto* radio = new QRadioButton(QString::fromUtf8(beginning.caption), this);
        radio->setAccessibleDescription(QString::fromUtf8(beginning.explanation));
        radio->setToolTip(QString::fromUtf8(beginning.explanation));
        radio->setEnabled(beginning.kind == Template::Empty || templateFolder(beginning.kind, programFolder));
        startFrom_->addButton(radio, index++);
        layout->addWidget(radio);
        auto* explanation = new QLabel(QString::fromUtf8(beginning.explanation), this);
        explanation->setWordWrap(true);
        explanation->setIndent(24);
        layout->addWidget(explanation);
    }
    startFrom_->button(0)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Создать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    layout->addWidget(buttons);
    connect(browse, &QPushButton::clicked, this, &NewBankDialog::choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void NewBankDialog::choose()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Папка для нового банка"),
                                                             QFileInfo(folder_->text()).absolutePath());
    if (!chosen.isEmpty())
        folder_->setText(chosen);
}

std::filesystem::path NewBankDialog::folder() const
{
    return toPath(QDir::cleanPath(folder_->text().trimmed()));
}

Template NewBankDialog::startFrom() const
{
    return kBeginnings[startFrom_->checkedId()].kind;
}

bool NewBankDialog::ownOnly() const
{
    return kBeginnings[startFrom_->checkedId()].ownOnly;
}

}  // namespace kvardelon::editor
