// The list of a step's records and its drag and drop.
#include "RecordList.h"

#include "AnswerLetters.h"
#include "FindingMarks.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace kvardelon::editor {

namespace {

constexpr int kShortQuestion = 70;

QString shortened(const QString& text)
{
    return text.size() <= kShortQuestion ? text : text.left(kShortQuestion - 1) + u'…';
}

}  // namespace

QByteArray recordMime(Place place)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QCoreApplication::applicationPid() << place.step << place.record;
    return bytes;
}

std::optional<Place> placeFromMime(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasFormat(QString::fromLatin1(kRecordMimeType)))
        return std::nullopt;
    QDataStream in(mime->data(QString::fromLatin1(kRecordMimeType)));
    qint64 process = 0;
    Place place;
    in >> process >> place.step >> place.record;
    // A record dragged from another editor names a place in another bank.
    const bool ours = in.status() == QDataStream::Ok && process == QCoreApplication::applicationPid();
    return ours ? std::optional(place) : std::nullopt;
}

QString correctLetter(const std::string& answerLine)
{
    const std::optional<std::int16_t> number = answerNumber(answerLine);
    return number && *number >= 1 && *number <= 4 ? qtext(answerLetter(*number)) : QStringLiteral("?");
}

RecordListModel::RecordListModel(OpenBank& bank, LiveCheck& check, QObject* parent)
    : QAbstractListModel(parent), bank_(bank), check_(check)
{
    connect(&bank_, &OpenBank::opened, this, [this] { showStep(step_); });
    connect(&bank_, &OpenBank::recordsChanged, this, [this](int step) {
        if (step == step_)
            showStep(step);
    });
    connect(&bank_, &OpenBank::textChanged, this, [this](Place place, RecordField) {
        if (place.step == step_)
            emit dataChanged(index(place.record), index(place.record));
    });
    connect(&check_, &LiveCheck::changed, this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole, Qt::AccessibleTextRole});
    });
}

void RecordListModel::showStep(int step)
{
    beginResetModel();
    step_ = step;
    endResetModel();
}

int RecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !bank_.isOpen() ? 0 : bank_.recordCount(step_);
}

QString RecordListModel::text(int row) const
{
    const Record& record = bank_.record({step_, row});
    QString question = qtext(record.question).trimmed();
    if (question.isEmpty())
        question = QStringLiteral("(вопрос не написан)");
    return QStringLiteral("%1. %2 — %3").arg(row + 1).arg(shortened(question), correctLetter(record.answerLine));
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const bool played = row < kRecordsDrawnFrom;
    const std::optional<check::Severity> worst = check_.worstAt({step_, row});
    switch (role) {
    case Qt::DisplayRole:
        return played ? text(row) : text(row) + QStringLiteral("   (не играет)");
    case Qt::DecorationRole:
        return markIcon(worst);
    case Qt::ForegroundRole:
        return played ? QVariant() : QVariant(QColor(0x70, 0x70, 0x70));
    case Qt::ToolTipRole:
        return played ? QVariant() : QStringLiteral("Игра выбирает вопрос только из первых десяти; этот она не покажет.");
    case Qt::AccessibleTextRole:
        return (played ? text(row) : text(row) + QStringLiteral(", не играет")) + markWords(worst);
    default:
        return {};
    }
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractListModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsDragEnabled : base | Qt::ItemIsDropEnabled;
}

QStringList RecordListModel::mimeTypes() const
{
    return {QString::fromLatin1(kRecordMimeType)};
}

QMimeData* RecordListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kRecordMimeType), recordMime({step_, indexes.first().row()}));
    return mime;
}

bool RecordListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    // Only this step's own records are reordered here; other steps take theirs by the step list.
    const std::optional<Place> from = placeFromMime(data);
    return from && from->step == step_ && from->record >= 0 && from->record < rowCount();
}

bool RecordListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int, const QModelIndex& parent)
{
    const std::optional<Place> from = placeFromMime(data);
    if (!from || !canDropMimeData(data, Qt::MoveAction, row, 0, parent))
        return false;
    int to = row >= 0 ? row : (parent.isValid() ? parent.row() : rowCount());
    if (from->record < to)
        --to;  // the rows below the one taken out move up by one
    bank_.moveRecord(*from, {step_, to});
    // The move is done; nothing is left for the view to remove.
    return false;
}

RecordList::RecordList(OpenBank& bank, LiveCheck& check, QWidget* parent)
    : QListView(parent), model_(bank, check)
{
    setModel(&model_);
    setAccessibleName(QStringLiteral("Вопросы ступени"));
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setDragEnabled(true);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { emit chosen(index.isValid() ? index.row() : -1); });
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { emit chosen(current()); });
}

int RecordList::current() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void RecordList::choose(int record)
{
    if (record < 0 || record >= model_.rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model_.index(record);
    setCurrentIndex(index);
    scrollTo(index);
}

}  // namespace kvardelon::editor
