#include "window.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // Installed before any window exists: forms take their texts once.
    // Without the table the English source texts show.
    QTranslator translator;
    if (translator.load(QStringLiteral("vandrel_ru"), QStringLiteral(":/resources/translations")))
        app.installTranslator(&translator);

    Window window;
    window.showFullScreen();
    window.showIntro();
    return app.exec();
}
