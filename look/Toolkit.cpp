// Twips, colours, fonts and the common look of the windows.
#include "Toolkit.h"

#include <QApplication>
#include <QChildEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

namespace kvardelon {

QColor fromBgr(std::uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

namespace {

// The faces the programs carry, registered once, before the first font is asked for.
void registerCarriedFaces()
{
#if KVARDELON_CARRIED_FACE
    static const bool registered =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf")) >= 0;
    Q_UNUSED(registered);
#endif
}

// Where "MS Sans Serif" is not to be had: Windows' own successor of it, else the game's face.
void substituteMsSansSerif()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QString::fromLatin1(kDefaultFamily)});
}

}  // namespace

QFont defaultFont()
{
    registerCarriedFaces();
    QFont font(QString::fromLatin1(kDefaultFamily), kDefaultPointSize);
    font.setStyleHint(QFont::SansSerif);
#if defined(Q_OS_WIN)
    // Windows' full hinting widens the letters to whole pixels; hinted only vertically, as
    // Linux draws them, a caption takes the width it was measured in (and "Разработчик: "
    // stays within its label).
    font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    return font;
}

QFont msSansSerif(double pointSize, bool underline)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setUnderline(underline);
    return font;
}

QIcon gameIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"})
        icon.addFile(QStringLiteral(":/images/icon%1.png").arg(QLatin1String(size)));
    return icon;
}

namespace {

// The look's colours over the application's palette as it stands.
QPalette lookPalette()
{
    const QColor button(0x22, 0x30, 0x6A);
    const QColor dimmed(0x80, 0x88, 0xA8);
    QPalette palette;
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kDefaultText);
    palette.setColor(QPalette::Base, QColor(0xF7, 0xF7, 0xF7));
    palette.setColor(QPalette::Text, QColor(0x10, 0x10, 0x10));
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, kDefaultText);
    palette.setColor(QPalette::Highlight, QColor(0xE0, 0xA0, 0x20));
    palette.setColor(QPalette::HighlightedText, QColor(0x10, 0x10, 0x10));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, QColor(0x10, 0x10, 0x10));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, dimmed);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, dimmed);
    palette.setColor(QPalette::Disabled, QPalette::Button, button.darker(130));
    return palette;
}

QStyle* lookStyle()
{
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

// Gives a widget, its children and every child added to them later the look's style:
// a widget's style, unlike its palette and font, is not handed down to its children.
class StyleKeeper : public QObject {
public:
    explicit StyleKeeper(QStyle* style) : QObject(qApp), style_(style) { style_->setParent(this); }

    void adopt(QWidget& widget)
    {
        widget.setStyle(style_);
        widget.installEventFilter(this);
        for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            adopt(*child);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                adopt(*child);
        }
        return false;
    }

private:
    QStyle* style_;
};

}  // namespace

void applyLook(QApplication& app)
{
    substituteMsSansSerif();
    QApplication::setFont(defaultFont());
    if (QStyle* fusion = lookStyle())
        QApplication::setStyle(fusion);
    app.setPalette(lookPalette());
}

void applyLook(QWidget& root)
{
    substituteMsSansSerif();
    root.setFont(defaultFont());
    root.setPalette(lookPalette());
    root.setAutoFillBackground(true);
    // One keeper and one style for every widget given the look, as long as the application lasts.
    static QPointer<StyleKeeper> keeper;
    if (keeper == nullptr) {
        if (QStyle* fusion = lookStyle())
            keeper = new StyleKeeper(fusion);
    }
    if (keeper != nullptr)
        keeper->adopt(root);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, Twips place, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(place.pixels());
    label->setText(caption);
    return label;
}

void setTextColour(QLabel* label, QColor colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace kvardelon
