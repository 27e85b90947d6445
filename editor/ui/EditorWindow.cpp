// The editor's window: its pages and panes, and going from one record to another.
#include "EditorWindow.h"

#include "BankFolders.h"
#include "DialogQuestions.h"
#include "DiskWatch.h"
#include "FindBar.h"
#include "FindingsView.h"
#include "OwnQuestions.h"
#include "ProjectorPlay.h"
#include "ProjectorStage.h"
#include "QtText.h"
#include "RecordForm.h"
#include "RecordList.h"
#include "StartPage.h"
#include "StepList.h"
#include "TextRoom.h"
#include "WrappedLabel.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvardelon::editor {

namespace {

// A pane with a title that takes the keyboard to it by its underlined letter.
QWidget* titled(const QString& title, QWidget* content, QWidget* below = nullptr)
{
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* label = new QLabel(title, pane);
    label->setBuddy(content);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    if (below != nullptr)
        layout->addWidget(below);
    return pane;
}

}  // namespace

EditorWindow::EditorWindow(std::filesystem::path programFolder, QWidget* parent)
    : QMainWindow(parent), programFolder_(std::move(programFolder)),
      questions_(std::make_unique<DialogQuestions>(this, programFolder_)), check_(new LiveCheck(bank_, gameFits(), this)), pages_(new QStackedWidget(this)), start_(new StartPage(this))
{
    // Roomy where the screen allows; on a smaller one, such as a school projector's 1024×768,
    // maximized, so that the window and its frame fit the screen.
    const QSize roomy(1280, 820);
    resize(roomy);
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen != nullptr && !QRect(QPoint(), screen->availableGeometry().size()).contains(QRect(QPoint(), roomy))) {
        resize(roomy.boundedTo(screen->availableGeometry().size()));
        setWindowState(Qt::WindowMaximized);
    }
    buildActions();
    pages_->addWidget(start_);
    pages_->addWidget(buildEditorPage());
    setCentralWidget(pages_);
    buildMenus();
    summary_ = new QLabel(this);
    summary_->setAccessibleName(QStringLiteral("Итог проверки"));
    statusBar()->addPermanentWidget(summary_);
    disk_ = new DiskWatch(bank_, this);
    stage_ = std::make_unique<ProjectorStage>(*this, [this] {
        if (confirm(*questions_, {.kind = Question::Kind::Question,
                                  .title = QStringLiteral("Игра на проекторе"),
                                  .text = QStringLiteral("Закончить игру и вернуться в редактор?"),
                                  .buttons = {QStringLiteral("Закончить игру"), QStringLiteral("Продолжить игру")},
                                  .defaultButton = 1}))
            projector_->stop();
    });
    projector_ = new ProjectorPlay(*stage_, this);
    connect(projector_, &ProjectorPlay::ended, this, &EditorWindow::projectorEnded);

    connect(start_, &StartPage::newBank, this, &EditorWindow::newBank);
    connect(start_, &StartPage::openBank, this, &EditorWindow::openBank);
    connect(start_, &StartPage::openRecent, this, [this](const QString& folder) { openFolder(folder); });
    connect(steps_, &StepList::chosen, this, &EditorWindow::showStep);
    connect(steps_, &StepList::recordDropped, this, qOverload<Place, int>(&EditorWindow::moveToStep));
    connect(records_, &RecordList::chosen, this, &EditorWindow::showRecord);
    connect(findings_, &FindingsView::goTo, this, &EditorWindow::goTo);
    connect(find_, &FindBar::goTo, this, [this](Place place, RecordField field) {
        goTo(place, field);
        find_->field().setFocus();
    });
    connect(&bank_, &OpenBank::changedAt, this, [this](Place place) {
        if (place.step != steps_->current() || place.record != records_->current())
            goTo(place, RecordField::Question);
    });
    connect(&bank_, &OpenBank::modifiedChanged, this, &EditorWindow::updateTitle);
    connect(&bank_, &OpenBank::stepChanged, this, &EditorWindow::showDrawLine);
    connect(&bank_, &OpenBank::folderChanged, this, &EditorWindow::updateTitle);
    connect(check_, &LiveCheck::changed, this, [this] {
        summary_->setText(QStringLiteral("Ошибок: %1, предупреждений: %2")
                              .arg(check_->count(check::Severity::Error))
                              .arg(check_->count(check::Severity::Warning)));
    });
    connect(disk_, &DiskWatch::changed, this, &EditorWindow::diskChanged);
    updateTitle();
    updateActions();
}

EditorWindow::~EditorWindow()
{
    delete projector_;  // ends a game still running while its stage is still there
}

void EditorWindow::setQuestions(std::unique_ptr<Questions> questions)
{
    questions_ = std::move(questions);
}

QWidget* EditorWindow::buildEditorPage()
{
    steps_ = new StepList(bank_, *check_);
    records_ = new RecordList(bank_, *check_);
    form_ = new RecordForm(bank_, *check_);
    findings_ = new FindingsView(*check_);
    find_ = new FindBar(bank_);

    auto* formScroll = new QScrollArea;
    formScroll->setWidget(form_);
    formScroll->setWidgetResizable(true);
    formScroll->setFrameShape(QFrame::NoFrame);
    formScroll->setFocusPolicy(Qt::NoFocus);

    auto* panes = new QSplitter(Qt::Horizontal);
    panes->addWidget(titled(QStringLiteral("Ст&упени"), steps_));
    auto* belowRecords = new QWidget;
    auto* belowLayout = new QVBoxLayout(belowRecords);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    drawLine_ = wrappedLabel({}, belowRecords);
    drawLine_->setAccessibleName(QStringLiteral("Как игра выбирает вопрос ступени"));
    belowLayout->addWidget(drawLine_);
    belowLayout->addWidget(buildRecordButtons());
    panes->addWidget(titled(QStringLiteral("Воп&росы ступени"), records_, belowRecords));
    panes->addWidget(formScroll);
    panes->setStretchFactor(0, 0);
    panes->setStretchFactor(1, 2);
    panes->setStretchFactor(2, 3);
    panes->setSizes({160, 300, 820});

    auto* vertical = new QSplitter(Qt::Vertical);
    vertical->addWidget(panes);
    vertical->addWidget(findings_);
    vertical->setStretchFactor(0, 4);
    vertical->setStretchFactor(1, 1);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    buildDiskBanner(page);
    layout->addWidget(diskBanner_);
    layout->addWidget(find_);
    layout->addWidget(vertical, 1);
    return page;
}

QWidget* EditorWindow::buildRecordButtons()
{
    auto* buttons = new QWidget;
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    int placed = 0;
    // Two columns of short captions, so that the pane stays narrow enough for the question's
    // pane at 1024 pixels; the menu keeps the full wording.
    action(QStringLiteral("moveToStep"))->setIconText(QStringLiteral("На другую ступень…"));
    for (const char* name : {"newRecord", "duplicateRecord", "moveUp", "moveDown", "moveToStep", "deleteRecord"}) {
        auto* button = new QToolButton(buttons);
        button->setDefaultAction(action(QString::fromLatin1(name)));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(button, placed / 2, placed % 2);
        ++placed;
    }
    return buttons;
}

// Hidden until another program changes a file of the bank.
void EditorWindow::buildDiskBanner(QWidget* parent)
{
    diskBanner_ = new QWidget(parent);
    auto* bannerRow = new QHBoxLayout(diskBanner_);
    diskText_ = new QLabel(diskBanner_);
    diskText_->setWordWrap(true);
    diskText_->setAccessibleName(QStringLiteral("Файлы изменены другой программой"));
    auto* reload = new QPushButton(QStringLiteral("Перечитать с диска"), diskBanner_);
    auto* keep = new QPushButton(QStringLiteral("Оставить мою версию"), diskBanner_);
    bannerRow->addWidget(diskText_, 1);
    bannerRow->addWidget(reload);
    bannerRow->addWidget(keep);
    diskBanner_->setStyleSheet(QStringLiteral("background: #FFF3C4; color: #202020;"));
    diskBanner_->hide();
    connect(reload, &QPushButton::clicked, this, &EditorWindow::reloadChanged);
    connect(keep, &QPushButton::clicked, this, &EditorWindow::keepMine);
}

void EditorWindow::showDrawLine()
{
    if (bank_.isOpen() && steps_->current() >= 1)
        drawLine_->setText(drawLine(bank_, steps_->current()));
}

void EditorWindow::showStep(int step)
{
    records_->records().showStep(step);
    showDrawLine();
    records_->choose(0);
    showRecord(records_->current());
}

void EditorWindow::showRecord(int record)
{
    form_->showRecord({steps_->current(), record});
    updateActions();
}

Place EditorWindow::current() const
{
    return {steps_->current(), records_->current()};
}

void EditorWindow::goTo(Place place, RecordField field)
{
    if (!bank_.isOpen() || place.step < 1)
        return;
    if (steps_->current() != place.step)
        steps_->choose(place.step);
    if (place.record >= 0)
        records_->choose(std::min(place.record, bank_.recordCount(place.step) - 1));
    showRecord(records_->current());
    if (records_->current() >= 0)
        form_->focusField(field);
}

void EditorWindow::setCorrect(int answer)
{
    if (records_->current() >= 0)
        bank_.setCorrectAnswer(current(), answer);
}

void EditorWindow::updateTitle()
{
    const QString name = QStringLiteral("Редактор вопросов Кварделона");
    setWindowTitle(bank_.isOpen() ? QStringLiteral("%1[*] — %2").arg(pathText(bankPlace(bank_.folder())), name)
                                  : name);
    setWindowModified(bank_.isModified());
}

void EditorWindow::diskChanged(const std::vector<int>& steps)
{
    diskSteps_ = steps;
    std::error_code error;
    if (!std::filesystem::is_directory(bank_.folder(), error)) {
        diskText_->setText(QStringLiteral("Папки банка %1 больше нет: её удалили, переименовали или отключили диск. "
                                          "Вопросы остались в редакторе; сохраните их в другую папку: "
                                          "«Файл → Сохранить как…».")
                               .arg(pathText(bank_.folder())));
        diskBanner_->show();
        return;
    }
    QStringList deleted;
    QStringList changed;
    for (const int step : steps) {
        const bool gone = !std::filesystem::exists(std::filesystem::symlink_status(bank_.step(step).path, error));
        (gone ? deleted : changed).append(QString::number(step));
    }
    // "ступень 3", "ступени 3, 7"
    const auto stepsNamed = [](const QStringList& numbers) {
        return (numbers.size() == 1 ? QStringLiteral("ступень ") : QStringLiteral("ступени ")) +
               numbers.join(QStringLiteral(", "));
    };
    QStringList what;
    if (!deleted.isEmpty())
        what.append(QStringLiteral("удалила %1").arg(stepsNamed(deleted)));
    if (!changed.isEmpty())
        what.append(QStringLiteral("изменила %1").arg(stepsNamed(changed)));
    diskText_->setText(QStringLiteral("Другая программа %1 после того, как банк был открыт здесь. "
                                      "Перечитать с диска (ваши правки на этих ступенях можно будет вернуть через "
                                      "«Отменить») или оставить вашу версию?")
                           .arg(what.join(QStringLiteral(" и "))));
    diskBanner_->show();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (maybeSave(QStringLiteral("Сохранить изменения перед выходом?")))
        event->accept();
    else
        event->ignore();
}

}  // namespace kvardelon::editor
