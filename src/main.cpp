#include "compat/ui/Form.h"
#include "compat/ui/Platform.h"
#include "shell/frmMain.h"
#include "shell/modArchivio.h"
#include "shell/modErrori.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    // Italian everywhere, whatever the machine is set to: Qt's own dialogs too.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    compat::installQtPlatform();
    compat::platform().process().setCloseAllFiles(ChiudiTuttiIFile);
    InstallaGestioneErrore();

    // The main window's Unload ends the program, once the handlers that are
    // running have returned; hiding the last window must not end it first.
    app.setQuitOnLastWindowClosed(false);
#if QT_CONFIG(sessionmanager)
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [](QSessionManager&) {
        if (frmPrincipale)
            compat::vbUnload(frmPrincipale, compat::vbAppWindows);
    });
#endif

    Main();
    return app.exec();
}
