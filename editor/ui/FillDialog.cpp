// The fill dialog: the shipped bank to take questions from, and what goes where.
#include "FillDialog.h"

#include "OwnQuestions.h"
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

// The choice of her own questions alone, beside the shipped banks.
constexpr int kOwnOnly = 100;

}  // namespace

FillDialog::FillDialog(const OpenBank& bank, const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent), bank_(bank), source_(new QButtonGroup(this)), preview_(wrappedLabel({}, this))
{
    setWindowTitle(QStringLiteral("Дополнить ступени до десяти вопросов"));
    setMinimumWidth(640);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(QStringLiteral("Игра берёт вопрос из первых десяти на ступени, поэтому на каждой их "
                                             "должно быть не меньше десяти. Если своих меньше, они могут повториться "
                                             "по кругу — тогда в игре будут только ваши вопросы. Или недостающие можно "
                                             "взять из готового банка: только те вопросы, которых в вашем банке ещё нет."),
                              this));
    auto* own = new QRadioButton(
        QStringLiteral("Только моими вопросами: каждый повторится по кругу, чтобы ступень была полной"), this);
    source_->addButton(own, kOwnOnly);
    layout->addWidget(own);
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
                                                 "Ступени можно дополнить только повторами их же вопросов."),
                                  this));
    source_->button(closest())->setChecked(true);
    preview_->setAccessibleName(QStringLiteral("Что добавится"));
    layout->addWidget(preview_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Дополнить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(source_, &QButtonGroup::idClicked, this, &FillDialog::showPlan);
    showPlan();
}

int FillDialog::closest() const
{
    int best = kOwnOnly;
    int most = 0;
    for (const auto& [kind, records] : found_)
        if (const int common = questionsInCommon(bank_, records); common > most) {
            best = static_cast<int>(kind);
            most = common;
        }
    return best;
}

bool FillDialog::ownOnly() const
{
    return source_->checkedId() == kOwnOnly;
}

void FillDialog::showPlan()
{
    if (ownOnly()) {
        plan_.clear();
        preview_->setText(QStringLiteral("Как игра будет их выбирать:\n") +
                          repeatSummary(bank_, stepsToRepeat(bank_)).join(u'\n'));
        return;
    }
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
