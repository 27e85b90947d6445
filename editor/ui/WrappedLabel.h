// A label for a passage of text, the bank's or the editor's: shown as written, wrapped to its width.
#pragma once

#include <QLabel>

namespace kvardelon::editor {

inline QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace kvardelon::editor
