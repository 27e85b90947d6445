// The help window: the editor's one help text, read-only.
#include "HelpWindow.h"

#include "EditorHelp.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvardelon::editor {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this))
{
    setWindowTitle(QString::fromUtf8(kHelpTitle));
    resize(640, 600);
    auto* layout = new QVBoxLayout(this);
    text_->setReadOnly(true);
    text_->setPlainText(editorHelp());
    text_->setAccessibleName(QStringLiteral("Справка"));
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

QString HelpWindow::text() const
{
    return text_->toPlainText();
}

}  // namespace kvardelon::editor
