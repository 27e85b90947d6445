// Starting the game on the open bank, on the desktop or filling a projector's screen.
#pragma once

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

// The scale factor at which the game's main window, at its place on the screen, fills
// most of a screen of this size (in the screen's own pixels, before any scaling).
double projectorScale(QSize screen);

// Starts the game apart from the editor, in the folder given; with a scale factor, the
// toolkit draws every window that much larger. Empty on success, else the reason.
QString startGame(const QString& program, const std::filesystem::path& folder, std::optional<double> scale);

}  // namespace kvardelon::editor
