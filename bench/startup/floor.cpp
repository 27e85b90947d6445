// The start-up floor: the main window's controls, pictures, icon and look on bare Qt Widgets, and nothing else.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QWidget>

namespace {

// Places in pixels, as the game's window description gives them in twips divided by 15.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

constexpr Place kAnswers[] = {{8, 360, 225, 49}, {240, 360, 225, 49}, {8, 416, 225, 49}, {240, 416, 225, 49}};
constexpr Place kButtons[] = {{8, 232, 113, 65}, {8, 168, 113, 57}, {8, 104, 113, 57}};
constexpr const char* kButtonCaptions[] = {"Выход", "О программе", "Взять деньги"};
constexpr Place kQuestion = {8, 304, 369, 49};

struct Picture {
    const char* image;
    Place place;
};

constexpr Picture kPictures[] = {
    {":/images/fiftyfifty.png", {0, 0, 129, 97}},
    {":/images/friend.png", {128, 0, 129, 97}},
    {":/images/audience.png", {256, 0, 121, 97}},
    {":/images/town.png", {128, 104, 249, 193}},
};

constexpr const char* kPrizes[] = {"100",   "200",   "300",    "500",    "1000",   "2000",   "4000",   "8000",
                                   "16000", "32000", "64000", "125000", "250000", "500000", "1000000"};

QRect rect(Place place)
{
    return {place.left, place.top, place.width, place.height};
}

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QLabel* label(QWidget* parent, const QString& caption, Place place)
{
    auto* control = new QLabel(caption, parent);
    control->setTextFormat(Qt::PlainText);
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    control->setGeometry(rect(place));
    return control;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    // The game's look: the same face, style and colours, so that the same fonts are loaded.
    QFont font(QStringLiteral("Liberation Sans"), 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x0B, 0x10, 0x30));
    palette.setColor(QPalette::WindowText, QColor(0xF2, 0xF2, 0xF2));
    palette.setColor(QPalette::Button, QColor(0x22, 0x30, 0x6A));
    palette.setColor(QPalette::ButtonText, QColor(0xF2, 0xF2, 0xF2));
    QApplication::setPalette(palette);

    QWidget window(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(text("Кварделон"));
    window.setAutoFillBackground(true);
    window.setFixedSize(473, 474);
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"})
        icon.addFile(QStringLiteral(":/images/icon%1.png").arg(QLatin1String(size)));
    window.setWindowIcon(icon);

    for (const Place& place : kAnswers)
        (new QPushButton(&window))->setGeometry(rect(place));
    label(&window, QString(), kQuestion);
    for (int step = 0; step < 15; ++step)
        label(&window, text(kPrizes[step]), {384, (14 - step) * 24, 81, 17});
    for (const Picture& picture : kPictures) {
        auto* control = new QLabel(&window);
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control->setPixmap(QPixmap(text(picture.image)));
        control->setGeometry(rect(picture.place));
    }
    for (int n = 0; n < 3; ++n)
        (new QPushButton(text(kButtonCaptions[n]), &window))->setGeometry(rect(kButtons[n]));

    window.setGeometry(150, 71, 473, 474);
    window.show();
    return QApplication::exec();
}
