// The fill dialog: the shipped bank to take questions from, and what goes where.
#include "FillDialog.h"

#include "WrappedLabel.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

struct Source {
    Template kind;
    const char* caption;
    const char* inSummary;
};

constexpr Source kSources[] = {
    {Template::Shipped, "Вопросами, которые идут с игрой", "из банка игры"},
    {Template::Classroom, "Вопросами для класса", "из банка для класса"},
};

}  // namespace

FillDialog::FillDialog(const OpenBank& bank, const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent), bank_(bank), source_(new QButtonGroup(this)), preview_(wrappedLabel({}, this))
{
    setWindowTitle(QStringLiteral("Дополнить ступени до десяти вопросов"));
    setMinimumWidth(640);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(QStringLiteral("Игра берёт вопрос из первых десяти на ступени, поэтому на каждой их "
                                             "должно быть не меньше десяти. Недостающие можно взять из банка, "
                                             "который идёт с игрой: только те вопросы, которых в вашем банке ещё нет."),
                              this));
    for (const Source& source : kSources) {
        auto* radio = new QRadioButton(QString::fromUtf8(source.caption), this);
        if (const std::optional<std::filesystem::path> folder = templateFolder(source.kind, programFolder))
            found_[source.kind] = readPlayedRecords(*folder);
        else
            radio->setText(radio->text() + QStringLiteral(" — не найдены"));
        radio->setEnabled(found_.contains(source.kind));
        source_->addButton(radio, static_cast<int>(source.kind));
        layout->addWidget(radio);
    }
    if (found_.empty())
        layout->addWidget(wrappedLabel(QStringLiteral("Банки, которые идут с игрой, не найдены: игра установлена не полностью. "
                                                 "Ступени можно дополнить только повторами их же вопросов. Игра будет "
                                                 "работать, но проверка отметит повторы: замените их своими."),
                                  this));
    else
        source_->button(static_cast<int>(closest()))->setChecked(true);
    preview_->setAccessibleName(QStringLiteral("Что добавится"));
    layout->addWidget(preview_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(found_.empty() ? QStringLiteral("Дополнить повторами")
                                                                  : QStringLiteral("Дополнить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(source_, &QButtonGroup::idClicked, this, &FillDialog::showPlan);
    showPlan();
}

Template FillDialog::closest() const
{
    Template best = found_.begin()->first;
    int most = -1;
    for (const auto& [kind, records] : found_)
        if (const int common = questionsInCommon(bank_, records); common > most) {
            best = kind;
            most = common;
        }
    return best;
}

void FillDialog::showPlan()
{
    const auto chosen = found_.find(static_cast<Template>(source_->checkedId()));
    const bool fromBank = chosen != found_.end();
    plan_ = planFill(bank_, fromBank ? &chosen->second : nullptr);
    QString source;
    for (const Source& entry : kSources)
        if (fromBank && entry.kind == chosen->first)
            source = QString::fromUtf8(entry.inSummary);
    preview_->setText(QStringLiteral("Что добавится:\n") + fillSummary(plan_, source).join(u'\n'));
}

}  // namespace kvardelon::editor
