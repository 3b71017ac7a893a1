// SPDX-License-Identifier: MIT
// The floor for start-up: a plain Qt main window with the program's controls
// at their places (labels, fields, buttons, a frame, a picture area and the
// menu bar), written without the program's code. Started as the program
// is, under the module that ends it at its first paint.

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

QRect pixels(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

void colour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QFont sansSerif(bool bold)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

void label(QWidget *client, const QString &caption, const QRect &place)
{
    auto *control = new QLabel(caption, client);
    control->setGeometry(place);
    control->setFont(sansSerif(true));
    control->setAutoFillBackground(true);
    colour(control, QPalette::Window, QApplication::palette().color(QPalette::Button));
}

void field(QWidget *client, const QRect &place)
{
    (new QLineEdit(client))->setGeometry(place);
}

void button(QWidget *client, const QString &caption, const QRect &place, const QColor &face, bool bold)
{
    auto *control = new QPushButton(caption, client);
    control->setGeometry(place);
    control->setFont(sansSerif(bold));
    colour(control, QPalette::Button, face);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Calendar"));
    auto *client = new QWidget(&window);
    client->setFixedSize(8085 / 15, 6660 / 15);
    client->setFont(sansSerif(false));
    client->setAutoFillBackground(true);
    colour(client, QPalette::Window, QColor(0, 96, 0));
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    const QColor fontFace(255, 192, 128);
    const QColor actionFace(255, 128, 0);
    label(client, QStringLiteral("Year (yyyy)"), pixels(120, 550, 1005, 255));
    field(client, pixels(1320, 550, 1215, 285));
    label(client, QStringLiteral("Month (mm)"), pixels(2880, 550, 1095, 255));
    field(client, pixels(4200, 550, 855, 285));
    button(client, QStringLiteral("Month Font"), pixels(5400, 550, 1335, 300), fontFace, false);
    button(client, QStringLiteral("Select Printer"), pixels(5400, 120, 1800, 300), actionFace, true);
    label(client, QStringLiteral("Header"), pixels(120, 1080, 1005, 255));
    field(client, pixels(1320, 1110, 3500, 285));
    button(client, QStringLiteral("Header Font"), pixels(5400, 1080, 1335, 300), fontFace, false);
    auto *frame = new QFrame(client);
    frame->setGeometry(pixels(0, 1515, 5175, 2700));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->lower();
    label(client, QStringLiteral("Notes"), pixels(120, 1560, 1005, 255));
    for (int top : {1680, 2145, 2670, 3240, 3720})
        field(client, pixels(1320, top, 3500, 285));
    button(client, QStringLiteral("Address Font"), pixels(5400, 1800, 1335, 300), fontFace, false);
    auto *picture = new QWidget(client);
    picture->setGeometry(pixels(5280, 2400, 1935, 1695));
    picture->setAutoFillBackground(true);
    label(client, QStringLiteral("Message"), pixels(120, 4320, 1215, 255));
    field(client, pixels(1320, 4320, 3500, 285));
    button(client, QStringLiteral("Select Picture"), pixels(5400, 4200, 1800, 300), actionFace, true);
    button(client, QStringLiteral("Message Font"), pixels(3120, 4680, 1335, 300), fontFace, false);
    button(client, QStringLiteral("Select Day Notes"), pixels(5400, 4680, 1800, 300), actionFace, true);
    button(client, QStringLiteral("Calendar Font"), pixels(480, 5400, 1335, 300), fontFace, false);
    button(client, QStringLiteral("Print Calendar(s)"), pixels(360, 5760, 1600, 495), actionFace, true);
    label(client, QStringLiteral("Copies"), pixels(2400, 5880, 615, 255));
    field(client, pixels(3360, 5865, 300, 285));
    button(client, QStringLiteral("Done"), pixels(5640, 5760, 1215, 495), actionFace, true);

    QMenu *view = window.menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("Page &Preview"))->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    window.menuBar()->addAction(QStringLiteral("&Help"));

    window.show();
    return app.exec();
}
