// The thin layer between the game's window descriptions and Qt: twips, colours, fonts, the look.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string_view>

class QApplication;
class QLabel;
class QWidget;

namespace kvardelon {

// 15 twips make one pixel at 96 dots per inch.
constexpr int twips(int value)
{
    return value / 15;
}

// A control's place in twips, as the window descriptions give it.
struct Twips {
    int left;
    int top;
    int width;
    int height;

    QRect pixels() const { return {twips(left), twips(top), twips(width), twips(height)}; }
};

// A colour written 0xBBGGRR: blue in the high byte, red in the low byte.
QColor fromBgr(std::uint32_t colour);

QString toQString(std::string_view utf8);

// The background every window shares: dark enough that every ladder colour, at rest
// and passed, stands out at 3:1 or better, and the default text at 4.5:1.
inline constexpr QColor kBackground{0x0B, 0x10, 0x30};
inline constexpr QColor kDefaultText{0xF2, 0xF2, 0xF2};

// The face every window's text uses: installed with the game's package on Linux, carried
// inside the programs on Windows, so that a text is drawn, and measured by the checker, alike
// on every system.
inline constexpr const char* kDefaultFamily = "Liberation Sans";
inline constexpr int kDefaultPointSize = 9;

// The window's default font, which all text without a font of its own uses.
QFont defaultFont();

// "MS Sans Serif" in the Cyrillic character set, as the titles ask for it; drawn in it where
// the system has it, else in the closest face there is.
QFont msSansSerif(double pointSize, bool underline = false);

// The fir tree on snow: the main window's icon, at 16 and 32 pixels and larger.
QIcon gameIcon();

// Style, palette and fonts for the whole application: the game's windows.
void applyLook(QApplication& app);

// The same look for one widget and its children, present and future, which also fill
// their background; the rest of the application keeps its own look.
void applyLook(QWidget& root);

// A label that shows its caption as plain text, top-aligned and wrapped at words.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, Twips place,
                  Qt::Alignment alignment = Qt::AlignLeft);

void setTextColour(QLabel* label, QColor colour);

}  // namespace kvardelon
