// The records of the chosen step as a list: question, correct letter, a mark where the
// checker found something, records after the tenth shown as not played; drag to reorder.
#pragma once

#include "LiveCheck.h"
#include "OpenBank.h"

#include <QAbstractListModel>
#include <QListView>

namespace kvardelon::editor {

// What a dragged record says about where it came from.
inline constexpr const char* kRecordMimeType = "application/x-kvardelon-record";

QByteArray recordMime(Place place);
std::optional<Place> placeFromMime(const QMimeData* mime);

// The letter the game takes as correct for an answer line, or "?" when none is.
QString correctLetter(const std::string& answerLine);

class RecordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    RecordListModel(OpenBank& bank, LiveCheck& check, QObject* parent = nullptr);

    void showStep(int step);
    int step() const { return step_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    QString text(int row) const;

    OpenBank& bank_;
    LiveCheck& check_;
    int step_ = 1;
};

class RecordList : public QListView {
    Q_OBJECT
public:
    RecordList(OpenBank& bank, LiveCheck& check, QWidget* parent = nullptr);

    RecordListModel& records() { return model_; }
    // The record chosen, or -1.
    int current() const;
    void choose(int record);

signals:
    void chosen(int record);

private:
    RecordListModel model_;
};

}  // namespace kvardelon::editor
