// The editor's window: the steps, the records of the chosen step, the record's fields and
// its preview, the findings; and every action in a menu with its shortcut.
#pragma once

#include "Arrival.h"
#include "LiveCheck.h"
#include "OpenBank.h"
#include "Questions.h"

#include <QMainWindow>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>

class QLabel;
class QStackedWidget;

namespace kvardelon::editor {

class DiskWatch;
class FindBar;
class FindingsView;
class ProjectorPlay;
class ProjectorStage;
class RecordForm;
class RecordList;
class StartPage;
class StepList;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: where the editor's program is, to find the game and the shipped banks.
    explicit EditorWindow(std::filesystem::path programFolder, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Opens the bank a folder stands for (the data folder or the folder holding data/);
    // says why when there is none. Asks first about unsaved changes.
    bool openFolder(const QString& folder);

    // Every question the window asks goes through these; a test gives scripted answers.
    void setQuestions(std::unique_ptr<Questions> questions);

    OpenBank& bank() { return bank_; }
    LiveCheck& check() { return *check_; }
    RecordForm& form() { return *form_; }
    StepList& steps() { return *steps_; }
    RecordList& records() { return *records_; }
    FindingsView& findings() { return *findings_; }
    // The action of the given object name ("save", "newRecord", ...).
    QAction* action(const QString& name) const;

    void goTo(Place place, RecordField field);

    // The actions, also reachable from their menus.
    void newBank();
    void openBank();
    bool save();
    bool saveAs();
    // Says in which folder the bank lies, with its files, and offers to open it.
    void showPlace();
    void importCsv();
    void exportCsv();
    void newRecord();
    void duplicateRecord();
    void deleteRecord();
    void moveUp();
    void moveDown();
    void moveToStep();
    // Moves a record to the end of another step, asking first when that step already plays ten.
    void moveToStep(Place from, int step);
    void fillToTen();
    void play();
    void playOnProjector();
    void showHelp();
    void setCorrect(int answer);  // 1..4, for the record chosen

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildEditorPage();
    QWidget* buildRecordButtons();
    void buildDiskBanner(QWidget* parent);
    void buildActions();
    void buildMenus();
    void showStep(int step);
    void showDrawLine();  // how the game draws the chosen step's questions
    void showRecord(int record);
    void updateTitle();
    void updateActions();
    void fillRecentMenu(QMenu* menu);
    // Opens the bank of a data folder without asking about the one open.
    void showBank(const std::filesystem::path& dataFolder);
    void diskChanged(const std::vector<int>& steps);
    void reloadChanged();
    void keepMine();
    Place current() const;
    // Asks about unsaved changes before they would be lost; false to stay.
    bool maybeSave(const QString& question);
    void launch(bool onProjector);
    void projectorEnded(const QString& problem);
    // Asks which of a full step's ten gives up its place to a question coming there.
    void arriveOnFullStep(const Arrival& arrival, int offered);

    std::filesystem::path programFolder_;
    OpenBank bank_;
    std::unique_ptr<Questions> questions_;
    LiveCheck* check_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    StartPage* start_ = nullptr;
    StepList* steps_ = nullptr;
    RecordList* records_ = nullptr;
    RecordForm* form_ = nullptr;
    FindingsView* findings_ = nullptr;
    FindBar* find_ = nullptr;
    DiskWatch* disk_ = nullptr;
    QWidget* diskBanner_ = nullptr;
    QLabel* diskText_ = nullptr;
    std::vector<int> diskSteps_;
    QLabel* summary_ = nullptr;
    QLabel* drawLine_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::unique_ptr<ProjectorStage> stage_;
    ProjectorPlay* projector_ = nullptr;
};

}  // namespace kvardelon::editor
