// How the find bar compares texts: case, and Latin letters typed inside Russian words.
#pragma once

#include <QString>

namespace kvardelon::editor {

// The text as the find bar compares it: in lower case, with each Latin letter that looks
// like a Russian one ("C", "a", "p", ...) made that Russian letter inside every word that
// holds a Russian letter. "Cосна" with the Latin C and "сосна" come out the same; a word
// of Latin letters alone ("Wi-Fi", "DNA") stays as it is.
QString searchForm(const QString& text);

}  // namespace kvardelon::editor
