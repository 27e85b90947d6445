// Starting the game on the open bank, and the size it takes on a projector's screen.
#pragma once

#include <QProcessEnvironment>
#include <QSize>
#include <QString>

#include <filesystem>
#include <optional>

namespace kvardelon::editor {

// The game's program: beside the editor's (installed together), in the build tree's
// windows/ folder, or on the PATH; empty when there is none.
QString findGame(const QString& editorFolder);

// The folder the game must start in to read this data folder as its data/: the parent of
// a folder named data; for a bank folder of another name, a folder of the editor's own
// (under cacheFolder) that links data/ to it. Empty, with a reason, when neither can be.
struct PlayFolder {
    std::filesystem::path folder;
    QString error;
};
PlayFolder playFolder(const std::filesystem::path& dataFolder, const std::filesystem::path& cacheFolder);

// The largest scale factor, in whole hundredths and at least 1, at which the game's main
// window with its frame fits a screen whose free area (without its task bars) is this size, in
// the screen's own pixels. The game moves a window that would leave the screen back onto it,
// and every other window of the game is smaller than the main one, so all of them fit too.
double projectorScale(QSize available);

// The game's environment: the editor's own, and with a scale factor, that factor for every
// window of the game.
QProcessEnvironment gameEnvironment(std::optional<double> scale);

// What the author reads when findGame found nothing.
QString gameNotFound();

// Why the game's program, found, did not start; never the system's words.
QString gameDoesNotStart(const QString& program);

// Starts the game apart from the editor, in the folder given. Empty on success, else the reason.
QString startGame(const QString& program, const std::filesystem::path& folder);

}  // namespace kvardelon::editor
